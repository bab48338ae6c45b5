#pragma once
#include <QDialog>
#include <QImage>
#include <QSize>
#include <QStringList>

class QFrame;
class QLabel;
class QPlainTextEdit;
class QTimer;
class QToolButton;

// The balloon-smiley designer: the user types a few lines, sees the picture with the text in a
// speech balloon above it, and inserts the result into the mail program like any picture. One
// instance lives for the whole run and is shown modally for each balloon; the memo keeps the text
// of the previous showing.
class TBaloonForm : public QDialog {
    Q_OBJECT
public:
    explicit TBaloonForm(QWidget* parent = nullptr);

    QToolButton* SpeedButton1; // "insert picture"
    QPlainTextEdit* Memo1;
    QLabel* Label2;
    QFrame* Bevel2;
    QLabel* i_inks;
    QLabel* i_obenlinks;
    QLabel* i_obenrechts;
    QLabel* i_rechts;
    QLabel* i_untenlinks;
    QLabel* i_untenrechts;
    QLabel* Image4;    // a whole balloon top, for reference only
    QLabel* PaintBox2; // the preview
    QTimer* Timer1;
    QToolButton* SpeedButton2; // "back to main menu"
    QLabel* AdvPicture1;
    QLabel* Image1; // the picture to decorate

    void FormShow();
    void Memo1Change();
    void Timer1Timer();
    void SpeedButton1Click();
    void SpeedButton2Click();

    // The memo's lines as it shows them: a wrapped line counts once per screen line, and an empty
    // line after a final line break is not counted.
    QStringList MemoLines() const;

    // Of the last drawing.
    QSize resultSize() const { return resultSize_; }
    // The full path of the saved balloon picture.
    static QString ResultFilePath();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void DrawComposition();
    void FitTexts();
    void ReportUndecodablePicture(const QString& path);

    QImage picture_;
    QSize resultSize_;
};
