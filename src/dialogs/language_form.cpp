#include "dialogs/language_form.h"

#include "dialogs/dialog_style.h"
#include "integration/data_folders.h"
#include "integration/system_helpers.h"
#include "integration/translation_table.h"
#include "localisation/language.h"
#include "platform/file_system.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>

QString LanguageChoiceMarkerPath() {
    return UserDataPath("Glimmora.cho");
}

TLanguageForm::TLanguageForm(const QStringList& arguments, QWidget* parent)
    : QDialog(parent), arguments_(arguments) {
    setWindowTitle(QStringLiteral("Glimmora"));
    // A dialog frame without any border icons: the list is the only way on.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    MakeWhite(this);
    SetDesignTextSize(this, 11);

    Label2 = new QLabel(QStringLiteral("Bitte wählen Sie Ihre Sprache aus:"), this);
    Label2->move(8, 24);
    Label2->adjustSize();
    Label1 = new QLabel(QStringLiteral("Please select your language:"), this);
    Label1->move(8, 8);
    Label1->adjustSize();
    BitBtn1 = MakeGlyphButton(this, QStringLiteral("OK"), QStringLiteral("yes.png"),
                              QRect(64, 83, 52, 24), false);
    BitBtn1->setEnabled(false);
    ComboBox1 = new QComboBox(this);
    ComboBox1->setEditable(false);
    ComboBox1->setGeometry(44, 47, 113, ComboBox1->sizeHint().height());
    // The greetings above it name the list (no language file is read yet): until a language is
    // picked as its name, later as its label.
    Label1->setBuddy(ComboBox1);
    ComboBox1->setAccessibleDescription(Label2->text());

    // The window grows when a font sets the fixed greetings wider than the design allowed, and
    // keeps list and button centred below them.
    const int needed = qMax(Label1->width(), Label2->width()) + 2 * 8;
    const int extra = qMax(0, needed - 186);
    setFixedSize(186 + extra, 118);
    ComboBox1->move(ComboBox1->x() + extra / 2, ComboBox1->y());
    BitBtn1->move(BitBtn1->x() + extra / 2, BitBtn1->y());
    Timer1 = new QTimer(this);
    Timer1->setInterval(1);

    connect(Timer1, &QTimer::timeout, this, &TLanguageForm::Timer1Timer);
    connect(ComboBox1, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            ComboBox1Change();
    });
    connect(BitBtn1, &QPushButton::clicked, this, &TLanguageForm::BitBtn1Click);

    FormCreate();
}

void TLanguageForm::FormCreate() {
    if (FirstArgument(arguments_).toLower() == QStringLiteral("/firststart"))
        QFile::remove(ResolvePath(LanguageChoiceMarkerPath()));
    // Filling selects the first entry by itself; only the user's pick may enable the button.
    const QSignalBlocker quiet(ComboBox1);
    ComboBox1->clear();
    const int count = CountLanguages();
    for (int i = 0; i < count; ++i)
        ComboBox1->addItem(GetLanguageName(i));
    ComboBox1->setCurrentIndex(-1);
}

void TLanguageForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreOnScreen(this);
    // Started only now: a tick that came before the showing could not close the window.
    Timer1->start();
}

void TLanguageForm::Timer1Timer() {
    Timer1->stop(); // it fires once
    if (FileExists(LanguageChoiceMarkerPath())) {
        close(); // a language was chosen before: nothing to ask, nothing to switch
        return;
    }
    setWindowState(windowState() & ~Qt::WindowMinimized);
}

void TLanguageForm::ComboBox1Change() {
    BitBtn1->setEnabled(true);
}

void TLanguageForm::BitBtn1Click() {
    const int index = ComboBox1->currentIndex();
    if (index < 0)
        return;
    if (!FileExists(LanguageChoiceMarkerPath())) {
        try {
            WriteTextFileOnce(LanguageChoiceMarkerPath(), QByteArrayLiteral("3.5"));
        } catch (const IoError&) {
            // Without the marker the chooser simply asks again at the next start.
        }
    }
    SwitchLanguage(ComboBox1->itemText(index));
    accept();
}
