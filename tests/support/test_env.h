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

// A small tmpfs of its own mounted on `folder` (created when missing) for one test, so that a full
// disk or a read-only folder is a real one. Where this machine does not allow mounting, mounted()
// is false and the test skips with kNoMountMessage. Unmounted when the object goes.
class SmallFileSystem {
public:
    explicit SmallFileSystem(const QString& folder, const QByteArray& size = "1m");
    ~SmallFileSystem();
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;

    bool mounted() const { return mounted_; }
    void unmount();
    // Takes up every free byte with one file, "fill" in the folder.
    bool fill();
    bool makeReadOnly();

private:
    QString folder_;
    bool mounted_ = false;
};
inline constexpr const char* kNoMountMessage =
    "mounting a file system needs privileges this machine does not give";
