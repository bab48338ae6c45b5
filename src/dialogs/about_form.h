#pragma once
#include "dialogs/dialog_style.h"

#include <QDialog>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMovie>
#include <QPushButton>
#include <QTableWidget>
#include <QUrl>
#include <functional>

// The address of a page that the program opens: an address with a scheme stays as it is; an
// absolute path, or a path relative to the program folder, becomes a file:// address. The empty
// text gives an empty page.
QUrl ProgramPageUrl(const QString& address);

// The years that the about window names.
extern const char* const kProgramYears;

// The about window.
class TAboutForm : public QDialog {
    Q_OBJECT
public:
    explicit TAboutForm(QWidget* parent = nullptr);

    QFrame* AboutPanel = nullptr;
    QLabel* Image2 = nullptr; // logo
    QLabel* Label10 = nullptr;
    QLabel* Label11 = nullptr;
    QLabel* Image8 = nullptr;
    QFrame* Bevel1 = nullptr;
    QFrame* Bevel2 = nullptr;
    QFrame* Panel9 = nullptr;
    ClickableLabel* AniIcon7 = nullptr; // animated; a click opens the homepage
    QPushButton* BitBtn7 = nullptr;     // "weiter"
    QTableWidget* StringGrid1 = nullptr;
    QTableWidget* StringGrid2 = nullptr;
    QGroupBox* GroupBox3 = nullptr;
    QLabel* Image9 = nullptr;
    ClickableLabel* Label9 = nullptr; // homepage
    QLabel* Image10 = nullptr;
    ClickableLabel* Label12 = nullptr; // mail to us
    QLabel* Image1 = nullptr;
    QPushButton* BitBtn1 = nullptr; // "Bildquellen"

    QMovie* AniIconMovie = nullptr;

    // Opens an address in the user's own program; OpenTarget unless replaced (tests).
    std::function<void(const QString&)> openExternally;

    void FormShow();
    void Label9Click();
    void Label12Click();
    void BitBtn1Click();
    void BitBtn7Click();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
};
