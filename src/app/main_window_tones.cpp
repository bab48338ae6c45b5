// The main window's choice of the pictures' skin tone: a tool button whose menu lists the tones.
#include "app/main_window.h"
#include "app/settings.h"
#include "catalogue/skin_tone_icon.h"

#include <QActionGroup>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>

void TForm1::BuildSkinToneChoice() {
    SkinToneButton->setObjectName(QStringLiteral("SkinToneButton"));
    SkinToneButton->setPopupMode(QToolButton::InstantPopup);
    SkinToneMenu = new QMenu(SkinToneButton);
    SkinToneMenu->setObjectName(QStringLiteral("SkinToneMenu"));
    SkinToneActions = new QActionGroup(SkinToneMenu);
    SkinToneActions->setExclusive(true);
    for (int i = 0; i < kSkinToneCount; ++i) {
        const SkinTone tone = SkinToneFromIndex(i);
        QAction* action = SkinToneMenu->addAction(SkinToneIcon(tone), SkinToneKey(tone));
        action->setCheckable(true);
        SkinToneActions->addAction(action);
        connect(action, &QAction::triggered, this, [this, tone] { SetSkinTone(tone); });
    }
    SkinToneButton->setMenu(SkinToneMenu);
}

void TForm1::ShowSkinTone() {
    const SkinTone tone = Settings().skinTone;
    if (QAction* chosen = SkinToneActions->actions().value(static_cast<int>(tone)))
        chosen->setChecked(true);
    SkinToneButton->setIcon(SkinToneIcon(tone));
}

void TForm1::SetSkinTone(SkinTone tone) {
    if (tone == Settings().skinTone)
        return;
    StoreSkinTone(tone);
    ShowSkinTone();
    RewriteShownPage();
}

void TForm1::RewriteShownPage() {
    try {
        if (!SearchEdit->text().trimmed().isEmpty())
            ShowFoundPage();
        else if (recentShown_)
            RecentButtonClick();
        else if (!shownFolder_.isEmpty())
            ShowCategoryPage(shownFolder_);
    } catch (const std::exception&) {
        // The old page stays.
    }
}
