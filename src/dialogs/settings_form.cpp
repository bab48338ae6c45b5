#include "dialogs/settings_form.h"

#include "catalogue/skin_tone_icon.h"
#include "dialogs/dialog_windows.h"
#include "dialogs/dialogs.h"
#include "dialogs/interface_fonts.h"
#include "integration/definition_update.h"
#include "integration/mail_defs.h"
#include "integration/message_boxes.h"
#include "integration/system_helpers.h"
#include "integration/translation_table.h"
#include "integration/window_look.h"
#include "platform/gnome_shortcut.h"
#include "platform/hotkey_binding.h"
#include "platform/qt_resources.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QStyledItemDelegate>

// The pictures live in a resource file of the static library; register it before first use.
static void InitSettingsResources() {
    GLIMMORA_INIT_RESOURCE_ONCE(settings);
}

namespace {

const QString kProductWord = QStringLiteral("Glimmora");

constexpr int kClientWidth = 552;
// The design height and the row of the appearance setting added to the further settings.
constexpr int kAppearanceRow = 26;
constexpr int kClientHeight = 308 + kAppearanceRow;
constexpr int kListItemHeight = 20;

// Drop-down entries of a fixed height, as the lists were designed.
class FixedHeightDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(std::max(size.height(), kListItemHeight));
        return size;
    }
};

QFont PixelFont(int pixels, bool underline = false) {
    QFont font = InterfaceFont(pixels);
    font.setUnderline(underline);
    return font;
}

void SetTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::ButtonText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

// The link look; this dialog's links stay blue while disabled (the list's update button during
// an update).
void MakeLinkLook(QWidget* widget, int pixels) {
    ApplyLinkStyle(widget, pixels);
    SetTextColour(widget, Look().link);
}

// A frame whose top line runs through the red caption, so that the contents, placed for that
// look, sit inside the frame.
void MakeGroupLook(QGroupBox* group) {
    group->setFont(PixelFont(13));
    group->setStyleSheet(
        QStringLiteral("QGroupBox { color: %1; border: 1px solid #b8b8c8; border-radius: 3px;"
                       " margin-top: 6px; }"
                       "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top "
                       "left; left: 7px; padding: 0px 1px; }")
            .arg(Look().caption.name()));
}

QComboBox* MakeList(QWidget* parent, const QRect& geometry, const QColor& colour) {
    auto* combo = new QComboBox(parent);
    combo->setEditable(false);
    combo->setFont(PixelFont(16, true));
    SetTextColour(combo, colour);
    combo->setItemDelegate(new FixedHeightDelegate(combo));
    combo->setGeometry(geometry);
    return combo;
}

// Upper-cases only a to z, as the language names of the files are compared.
QString AsciiUpper(const QString& text) {
    QString result = text;
    for (QChar& c : result) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 'a' + 'A');
    }
    return result;
}

QString DesignMemoText() {
    return QStringLiteral(
        "W\u00e4hlen Sie hier ihr aktuelles Mailprogramm, zu dem die Smilies bei einem Klick \n"
        "geschickt wrrden sollen.   - Diese Einstellung ist sehr  w i c h t i g !\n"
        "Sollte Ihr Mailprogramm in Ihrer Sprache hier nicht erscheinen, so k\u00f6nnen Sie mit \n"
        "dem nebenstehenden Button die Liste aktualisieren. Taucht Ihr Programm auch \n"
        "danach nicht auf, so w\u00e4hlen Sie bitte den Eintrag \"other / copy to clipboard\".");
}

// Width a button needs to show its caption and glyph unclipped.
int NeededButtonWidth(const QPushButton* button) {
    const QStyle* style = button->style();
    int width = button->fontMetrics().horizontalAdvance(button->text()) +
                2 * style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
                2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
    if (!button->icon().isNull())
        width += button->iconSize().width() + 4;
    return width;
}

// Widens a button to the left, keeping its right edge, when its caption needs more room.
void GrowLeftToFit(QPushButton* button, int rightEdge, int designWidth) {
    const int width = std::max(designWidth, NeededButtonWidth(button));
    button->setGeometry(rightEdge - width + 1, button->y(), width, button->height());
}

} // namespace

TSettingsForm::TSettingsForm(SettingsStore& store, QWidget* parent)
    : QDialog(parent), store_(store), storedMailDef_(store.chosenMailDef()) {
    InitSettingsResources();
    CreateComponents();
    SetChosenMailDefIndexSource([this] { return store_.chosenMailDef(); });
    connect(&MailDefUpdates(), &MailDefUpdateEvents::reloaded, this,
            &TSettingsForm::FillMailDefList);
    FormCreate();
}

TSettingsForm::~TSettingsForm() {
    SetChosenMailDefIndexSource({});
}

void TSettingsForm::CreateComponents() {
    setObjectName(QStringLiteral("SettingsForm"));
    setWindowTitle(QStringLiteral("Settings"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(kClientWidth, kClientHeight);
    MakeWhite(this);
    const QFont base = PixelFont(11);
    setFont(base);

    Image1 = new QLabel(this);
    Image1->setGeometry(510, 24, 38, 145);
    Image1->setPixmap(ArtworkForScreen(QStringLiteral(":/settings/side_picture.png"),
                                       Image1->size(), Image1->devicePixelRatioF()));

    BitBtn3 = new QPushButton(QStringLiteral("weiter"), this);
    BitBtn3->setGeometry(469, 283 + kAppearanceRow, 78, 23);
    MakeLinkLook(BitBtn3, 11);
    BitBtn3->setIcon(QIcon(QStringLiteral(":/settings/continue_glyph.png")));
    // Right to left puts the glyph on the right of the caption.
    BitBtn3->setLayoutDirection(Qt::RightToLeft);

    GroupBox1 = new QGroupBox(QStringLiteral("Mailprogramm "), this);
    GroupBox1->setGeometry(8, 8, 497, 177);
    MakeGroupLook(GroupBox1);

    Memo1 = new QPlainTextEdit(GroupBox1);
    Memo1->setGeometry(9, 17, 481, 113);
    Memo1->setReadOnly(true);
    Memo1->setFrameShape(QFrame::NoFrame);
    Memo1->setFont(base);
    SetTextColour(Memo1, Look().text);
    Memo1->viewport()->setCursor(Qt::ArrowCursor);
    Memo1->setTextInteractionFlags(Qt::NoTextInteraction);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setPlainText(DesignMemoText());

    ComboBox1 = MakeList(GroupBox1, QRect(12, 138, 309, 26), Look().caption);

    BitBtn1 = new QPushButton(QStringLiteral("Die Liste jetzt aktualisieren"), GroupBox1);
    BitBtn1->setGeometry(327, 138, 161, 25);
    MakeLinkLook(BitBtn1, 11);

    GroupBox2 = new QGroupBox(QStringLiteral("Weitere Einstellungen "), this);
    GroupBox2->setGeometry(8, 192, 537, 49 + kAppearanceRow);
    MakeGroupLook(GroupBox2);

    // A check box's caption is a link-look label that ticks the box when clicked.
    const auto makeBoxLabel = [&](const QString& text, const QRect& geometry) {
        auto* label = new QLabel(text, GroupBox2);
        label->setGeometry(geometry);
        MakeLinkLook(label, 11);
        label->setAttribute(Qt::WA_TranslucentBackground);
        label->installEventFilter(this);
        return label;
    };
    Label1 = makeBoxLabel(QStringLiteral("Glimmora beim Windowsstart automatisch mitstarten"),
                          QRect(28, 21, 305, 16));

    CheckBox1 = new QCheckBox(GroupBox2);
    CheckBox1->setGeometry(12, 22, 16, 17);
    MakeCheckBoxLook(CheckBox1);

    HideAfterInsertBox = new QCheckBox(GroupBox2);
    HideAfterInsertBox->setGeometry(345, 22, 16, 17);
    MakeCheckBoxLook(HideAfterInsertBox);
    HideAfterInsertLabel = makeBoxLabel(QStringLiteral("Hide the window after inserting a picture"),
                                        QRect(361, 21, 170, 16));

    InsertionWayLabel = new QLabel(this);
    AppearanceLabel = new QLabel(QStringLiteral("Appearance:"), GroupBox2);
    AppearanceLabel->setGeometry(12, 49, 120, 16);
    AppearanceBox = new QComboBox(GroupBox2);
    AppearanceBox->setFont(base);
    AppearanceBox->setGeometry(136, 45, 160, 22);
    AppearanceBox->addItems(
        {QStringLiteral("System"), QStringLiteral("Light"), QStringLiteral("Dark")});
    AppearanceLabel->setBuddy(AppearanceBox);
    SkinToneLabel = new QLabel(QStringLiteral("Skin tone:"), GroupBox2);
    SkinToneLabel->setGeometry(310, 49, 60, 16);
    SkinToneBox = new QComboBox(GroupBox2);
    SkinToneBox->setFont(base);
    SkinToneBox->setGeometry(374, 45, 155, 22);
    for (int i = 0; i < kSkinToneCount; ++i)
        SkinToneBox->addItem(SkinToneKey(SkinToneFromIndex(i)));
    SkinToneLabel->setBuddy(SkinToneBox);

    InsertionWayLabel->setGeometry(200, 243 + kAppearanceRow, 345, 27);
    InsertionWayLabel->setWordWrap(true);
    InsertionWayLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    GnomeShortcutButton = new QPushButton(this);
    GnomeShortcutButton->setGeometry(200, 270 + kAppearanceRow, 345, 13);
    MakeLinkLook(GnomeShortcutButton, 11);
    GnomeShortcutButton->hide();
    HotKeyLabel = new QLabel(this);
    HotKeyLabel->setGeometry(GnomeShortcutButton->geometry());

    GroupBox3 = new QGroupBox(QStringLiteral("Sprache "), this);
    GroupBox3->setGeometry(8, 245 + kAppearanceRow, 185, 57);
    MakeGroupLook(GroupBox3);

    ComboBox2 = MakeList(GroupBox3, QRect(8, 21, 169, 26), Look().link);
    ComboBox2->setCursor(Qt::PointingHandCursor);

    BitBtn2 = new QPushButton(QStringLiteral("Willkommensschirm anzeigen"), this);
    BitBtn2->setGeometry(288, 283 + kAppearanceRow, 165, 23);
    MakeLinkLook(BitBtn2, 11);

    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
    connect(BitBtn3, &QPushButton::clicked, this, [this] { BitBtn3Click(); });
    connect(GnomeShortcutButton, &QPushButton::clicked, this,
            [this] { GnomeShortcutButtonClick(); });
    // Fires for the program's changes as well as the user's, like the box's click event.
    connect(CheckBox1, &QCheckBox::toggled, this, [this] { CheckBox1Click(); });
    // Only the user's changes are stored; showing the dialog sets the box from the settings.
    connect(HideAfterInsertBox, &QCheckBox::clicked, this,
            [this](bool on) { store_.storeHideAfterInsert(on); });
    // The list's selection is the chosen definition.
    connect(ComboBox1, &QComboBox::currentIndexChanged, this,
            [this](int index) { store_.setChosenMailDef(index); });
    connect(AppearanceBox, &QComboBox::activated, this, [this](int index) {
        if (index == store_.appearance())
            return;
        store_.storeAppearance(index);
        // The windows keep the look they were made with: say when the new one comes.
        ShowInfo(TextOrDefault(337), this);
    });
    connect(SkinToneBox, &QComboBox::activated, this,
            [this](int index) { store_.storeSkinTone(index); });
    // Only the user's picks: selecting from the program must not switch the language.
    connect(ComboBox2, &QComboBox::activated, this, [this] { ComboBox2Change(); });
}

void TSettingsForm::FormCreate() {
    FillMailDefList();
    CheckBox1->setChecked(IsAutostartOn(kProductWord));
}

void TSettingsForm::FormShow() {
    ComboBox2->clear();
    const QString active = AsciiUpper(GetFirstText());
    int match = -1;
    const int count = CountLanguages();
    for (int i = 0; i < count; ++i) {
        const QString name = GetLanguageName(i);
        ComboBox2->addItem(name);
        // No break: when two files carry the name, the later one is selected.
        if (AsciiUpper(name) == active)
            match = i;
    }
    ComboBox2->setCurrentIndex(match >= 0 ? match : 0);
    HideAfterInsertBox->setChecked(store_.hideAfterInsert());
    AppearanceBox->setCurrentIndex(qBound(0, store_.appearance(), 2));
    // The catalogue's pictures of the tones, as the main window's menu shows them.
    for (int i = 0; i < kSkinToneCount; ++i)
        SkinToneBox->setItemIcon(i, SkinToneIcon(SkinToneFromIndex(i)));
    SkinToneBox->setCurrentIndex(qBound(0, store_.skinTone(), kSkinToneCount - 1));
    ShowHotKey();
    FitTexts();
}

void TSettingsForm::FitTexts() {
    // Translated texts may be longer than the design texts: the label grows to the right, the
    // buttons to the left, and the mail-program list gives way to its button.
    Label1->resize(std::max(305, Label1->sizeHint().width()), 16);
    // The second box follows the first one's label; its own label breaks onto a second line
    // rather than leave the frame.
    const int boxX = std::max(345, Label1->geometry().right() + 14);
    HideAfterInsertBox->move(boxX, 22);
    const int labelWidth = GroupBox2->width() - boxX - 16 - 8;
    // Measured on one line: the size hint of a label that wraps is already wrapped.
    HideAfterInsertLabel->setWordWrap(false);
    const bool fits = HideAfterInsertLabel->sizeHint().width() <= labelWidth;
    HideAfterInsertLabel->setWordWrap(!fits);
    HideAfterInsertLabel->setGeometry(boxX + 16, fits ? 21 : 14, labelWidth, fits ? 16 : 30);
    AppearanceLabel->resize(AppearanceLabel->sizeHint().width(), 16);
    AppearanceBox->move(AppearanceLabel->geometry().right() + 8, AppearanceBox->y());
    // The tone's label and list share the rest of the row, the list at the frame's right edge.
    const int toneRight = GroupBox2->width() - 8;
    const int toneBoxWidth = std::max(120, SkinToneBox->sizeHint().width());
    SkinToneBox->setGeometry(toneRight - toneBoxWidth + 1, SkinToneBox->y(), toneBoxWidth,
                             SkinToneBox->height());
    const int toneLabelLeft = AppearanceBox->geometry().right() + 12;
    const int toneLabelWidth =
        std::min(SkinToneLabel->sizeHint().width(), SkinToneBox->x() - 6 - toneLabelLeft);
    SkinToneLabel->setGeometry(SkinToneBox->x() - 6 - toneLabelWidth, 49, toneLabelWidth, 16);
    GrowLeftToFit(BitBtn3, 546, 78);
    GrowLeftToFit(BitBtn2, BitBtn3->x() - 17, 165);
    GrowLeftToFit(BitBtn1, 487, 161);
    ComboBox1->resize(std::max(100, BitBtn1->x() - 6 - ComboBox1->x()), ComboBox1->height());
    GnomeShortcutButton->resize(
        std::min(InsertionWayLabel->width(), NeededButtonWidth(GnomeShortcutButton)),
        GnomeShortcutButton->height());
}

int InsertionWayText(const QString& desktopName) {
    if (desktopName == QLatin1String("x11"))
        return 301;
    if (desktopName == QLatin1String("wlroots"))
        return 302;
    if (desktopName == QLatin1String("portal"))
        return 303;
    return 0;
}

// What is bound now: the user may have changed the key in the desktop's settings meanwhile.
void TSettingsForm::ShowHotKey() {
    const QString key = BoundHotKey();
    GnomeShortcutButton->setVisible(GnomeShortcutOffered());
    HotKeyLabel->setText(key.isEmpty() ? GetText(309) : GetText(308).arg(key));
    HotKeyLabel->setVisible(!GnomeShortcutButton->isVisible());
}

void TSettingsForm::GnomeShortcutButtonClick() {
    if (AddGnomeToggleShortcut()) {
        NoteHotKeyBound(GnomeToggleShortcutKey(), GnomeToggleShortcutKey);
        ShowHotKey();
        ShowInfo(GetText(306), this);
    } else {
        ShowError(GetText(307).arg(GnomeToggleCommand()), this);
    }
}

void TSettingsForm::FormClose() {
    ShowAllElements();
}

void TSettingsForm::BitBtn1Click() {
    // The download processes events; a second click must not start an update inside this one.
    BitBtn1->setEnabled(false);
    UpdateMailDefs(UpdateAddress);
    BitBtn1->setEnabled(true);
}

void TSettingsForm::CheckBox1Click() {
    ApplyAutostartBox();
}

void TSettingsForm::Label1Click() {
    CheckBox1->setChecked(!CheckBox1->isChecked());
}

void TSettingsForm::ComboBox2Change() {
    const QString name = ComboBox2->currentText();
    if (name.toUpper() == GetText(0).toUpper())
        return;
    emit languageChosen(name);
    // The new texts reach this dialog while it is shown.
    FitTexts();
}

void TSettingsForm::BitBtn2Click() {
    emit welcomeRequested();
}

void TSettingsForm::BitBtn3Click() {
    ShowAllElements();
    accept();
    store_.save();
}

void TSettingsForm::FillMailDefList() {
    ComboBox1->clear();
    for (const auto& def : MailDefList()) {
        ComboBox1->addItem(DecodeBytes(def->Name) + QStringLiteral(" (") +
                           DecodeBytes(def->Language) + QStringLiteral(")"));
    }
    const int stored = storedMailDef_;
    ComboBox1->setCurrentIndex(stored >= 0 && stored < ComboBox1->count() ? stored : -1);
    store_.setChosenMailDef(ComboBox1->currentIndex());
}

void TSettingsForm::ApplyAutostartBox() {
    const bool present = IsAutostartOn(kProductWord);
    // An existing entry is never rewritten, whatever command it holds.
    if (CheckBox1->isChecked() && !present)
        SetAutostart(kProductWord, AutostartCommand(), true);
    else if (!CheckBox1->isChecked() && present)
        SetAutostart(kProductWord, AutostartCommand(), false);
}

void TSettingsForm::ShowReduced() {
    GroupBox2->hide();
    GroupBox3->hide();
    BitBtn2->hide();
    exec();
}

void TSettingsForm::TickAutostart() {
    CheckBox1->setChecked(true);
}

void TSettingsForm::ShowAllElements() {
    GroupBox2->show();
    GroupBox3->show();
    BitBtn2->show();
}

void TSettingsForm::done(int result) {
    FormClose();
    QDialog::done(result);
}

void TSettingsForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

bool TSettingsForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Label1 && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        Label1Click();
        return true;
    }
    if (watched == HideAfterInsertLabel && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        HideAfterInsertBox->click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void ApplyAutostart() {
    if (SettingsForm)
        SettingsForm->ApplyAutostartBox();
}

void ShowReducedSettings() {
    if (SettingsForm)
        SettingsForm->ShowReduced();
}

void SaveDialogSettings(SettingsStore& store) {
    ApplyAutostart();
    store.save();
}
