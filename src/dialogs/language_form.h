#pragma once
#include <QDialog>
#include <QStringList>

class QComboBox;
class QLabel;
class QPushButton;
class QTimer;

// The language chooser of the first start. Its two labels are never translated: it must be
// readable before any language has been chosen.
class TLanguageForm : public QDialog {
    Q_OBJECT
public:
    explicit TLanguageForm(const QStringList& arguments, QWidget* parent = nullptr);

    QLabel* Label2 = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* BitBtn1 = nullptr; // disabled until a language is picked
    QComboBox* ComboBox1 = nullptr;
    QTimer* Timer1 = nullptr;

    void FormCreate();
    void Timer1Timer();
    void ComboBox1Change();
    void BitBtn1Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QStringList arguments_;
};

// The marker whose existence says that a language was chosen.
QString LanguageChoiceMarkerPath();
