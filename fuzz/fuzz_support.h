#pragma once
// Shared by the fuzz targets: a Qt application object made in LLVMFuzzerInitialize (file and
// locale code expect one), a private scratch folder that lives as long as the fuzzing process, and
// a check that turns a failed property into a crash so that libFuzzer keeps the input.
#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QString>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <string>

#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);     \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)

// The scratch folder, ending with '/'.
QString FuzzScratchFolder();
QByteArray Bytes(const std::string& s);
// Replaces the file with `content`; a failure is a fault of the run, not of the input.
void FuzzWriteFile(const QString& path, const QByteArray& content);
