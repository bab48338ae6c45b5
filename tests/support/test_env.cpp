#include "support/test_env.h"

#include "platform/program_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <cerrno>
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

namespace {
const char* const kVars[] = {"HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_RUNTIME_DIR"};
}

struct TempHome::Saved {
    QByteArray values[4];
    bool present[4];
    QString programFolder;
};

TempHome::TempHome() : saved_(std::make_unique<Saved>()) {
    for (int i = 0; i < 4; ++i) {
        saved_->present[i] = qEnvironmentVariableIsSet(kVars[i]);
        saved_->values[i] = qgetenv(kVars[i]);
    }
    saved_->programFolder = ProgramFolder();
    QDir().mkpath(dataHome());
    QDir().mkpath(configHome());
    QDir().mkpath(runtimeDir());
    QFile::setPermissions(runtimeDir(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("HOME", dir_.path().toUtf8());
    qputenv("XDG_DATA_HOME", (home() + ".local/share").toUtf8());
    qputenv("XDG_CONFIG_HOME", (home() + ".config").toUtf8());
    qputenv("XDG_RUNTIME_DIR", (home() + "run").toUtf8());
    SetProgramFolder(programDir());
}

TempHome::~TempHome() {
    for (int i = 0; i < 4; ++i) {
        if (saved_->present[i])
            qputenv(kVars[i], saved_->values[i]);
        else
            qunsetenv(kVars[i]);
    }
    SetProgramFolder(saved_->programFolder);
}

QString TempHome::home() const {
    return dir_.path() + "/";
}
QString TempHome::dataHome() const {
    return home() + ".local/share/";
}
QString TempHome::configHome() const {
    return home() + ".config/";
}
QString TempHome::runtimeDir() const {
    return home() + "run/";
}
QString TempHome::programDir() const {
    return program_.path() + "/";
}
QString TempHome::userData() const {
    return dataHome() + "Orvandeck/Glimmora/";
}

void WriteFile(const QString& path, const QByteArray& data) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(f.write(data), data.size());
}

QByteArray ReadFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

QString BuiltProgramDir() {
    QString dir = qEnvironmentVariable("GLIMMORA_PROGRAM_DIR");
    return dir.endsWith('/') ? dir : dir + "/";
}

QString SourceDir() {
    QString dir = qEnvironmentVariable("GLIMMORA_SOURCE_DIR");
    return dir.endsWith('/') ? dir : dir + "/";
}

SmallFileSystem::SmallFileSystem(const QString& folder, const QByteArray& size) : folder_(folder) {
    QDir().mkpath(folder);
    const QByteArray options = "size=" + size;
    mounted_ = ::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0,
                       options.constData()) == 0;
}

SmallFileSystem::~SmallFileSystem() {
    unmount();
}

void SmallFileSystem::unmount() {
    // Lazily: a program under test may still hold a file open in it.
    if (mounted_)
        ::umount2(QFile::encodeName(folder_).constData(), MNT_DETACH);
    mounted_ = false;
}

bool SmallFileSystem::fill() {
    const QByteArray path = QFile::encodeName(folder_ + "/fill");
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    const QByteArray block(64 * 1024, 'f');
    ssize_t written = 0;
    do
        written = ::write(fd, block.constData(), size_t(block.size()));
    while (written > 0);
    const bool full = errno == ENOSPC;
    ::close(fd);
    return full;
}

bool SmallFileSystem::makeReadOnly() {
    return ::mount(nullptr, QFile::encodeName(folder_).constData(), nullptr, MS_REMOUNT | MS_RDONLY,
                   nullptr) == 0;
}
