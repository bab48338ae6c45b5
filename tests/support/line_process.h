#pragma once
#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

// A helper process of a test (a target window, a pointer) that answers line by line on its
// standard output and takes commands line by line on its standard input. Killed on destruction.
class LineProcess {
public:
    LineProcess(const QString& program, const QStringList& arguments,
                const QProcessEnvironment& environment);
    ~LineProcess();
    LineProcess(const LineProcess&) = delete;
    LineProcess& operator=(const LineProcess&) = delete;

    // Waits until `line` has been printed, at any time since the start.
    bool waitForLine(const QString& line, int ms = 20000);
    // Every line printed so far.
    QStringList lines();
    void write(const QByteArray& line);

private:
    QProcess process_;
    QByteArray output_;
};
