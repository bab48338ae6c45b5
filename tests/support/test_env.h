#pragma once
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <memory>

// A fresh home for one test: HOME, XDG_DATA_HOME, XDG_CONFIG_HOME and XDG_RUNTIME_DIR point into a
// temporary folder, and the program folder is a second temporary folder. Both are removed, and the
// environment restored, when the object goes away.
class TempHome {
public:
    TempHome();
    ~TempHome();
    TempHome(const TempHome&) = delete;
    TempHome& operator=(const TempHome&) = delete;

    QString home() const;       // ends with '/'
    QString dataHome() const;   // $XDG_DATA_HOME, ends with '/'
    QString configHome() const; // $XDG_CONFIG_HOME, ends with '/'
    QString runtimeDir() const; // $XDG_RUNTIME_DIR, ends with '/'
    QString programDir() const; // the program folder for this test, ends with '/'
    QString userData() const;   // dataHome() + "Orvandeck/Glimmora/"

private:
    QTemporaryDir dir_;
    QTemporaryDir program_;
    struct Saved;
    std::unique_ptr<Saved> saved_;
};

// Writes `data` to `path`, creating parent folders. Fails the test on error.
void WriteFile(const QString& path, const QByteArray& data);
QByteArray ReadFile(const QString& path);

// The built program folder (beside the glimmora executable) and the source tree, from CTest.
QString BuiltProgramDir();
QString SourceDir();
