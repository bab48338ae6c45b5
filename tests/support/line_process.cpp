#include "support/line_process.h"

#include "support/wait.h"

LineProcess::LineProcess(const QString& program, const QStringList& arguments,
                         const QProcessEnvironment& environment) {
    process_.setProcessEnvironment(environment);
    process_.start(program, arguments);
}

LineProcess::~LineProcess() {
    process_.closeWriteChannel();
    process_.kill();
    process_.waitForFinished();
}

bool LineProcess::waitForLine(const QString& line, int ms) {
    return WaitFor([&] { return lines().contains(line); }, ms);
}

QStringList LineProcess::lines() {
    output_ += process_.readAllStandardOutput();
    return QString::fromUtf8(output_).split('\n');
}

void LineProcess::write(const QByteArray& line) {
    process_.write(line + '\n');
}
