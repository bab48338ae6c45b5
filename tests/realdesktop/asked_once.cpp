#include "realdesktop/asked_once.h"

#include "platform/runtime_lock.h"
#include "support/line_process.h"
#include "support/test_env.h"
#include "support/wait.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>

#include <sys/stat.h>

void ExpectAskedOnceOverThreeStarts(const QProcessEnvironment& env, const QString& busAddress,
                                    const QString& dataFolder, const ConsentAnswer& answer) {
    // The portal's answer to Start carries the devices granted.
    LineProcess answers("dbus-monitor",
                        {"--address", busAddress,
                         "type='signal',interface='org.freedesktop.portal.Request',"
                         "member='Response'"},
                        env);
    ASSERT_TRUE(WaitFor([&] { return !answers.lines().filter("NameAcquired").isEmpty(); }));
    const auto grants = [&] { return answers.lines().filter("\"devices\"").size(); };
    const QString token = dataFolder + "portal.token";
    QFile::remove(token);
    WriteFile(dataFolder + "Glimmora.cho", {}); // the language was chosen before
    for (int start = 1; start <= 3; ++start) {
        const qsizetype before = grants();
        const auto granted = [&] { return grants() > before; };
        const QDateTime started = QDateTime::currentDateTime();
        QProcess glimmora;
        glimmora.setProcessEnvironment(env);
        glimmora.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        glimmora.setStandardOutputFile(QProcess::nullDevice());
        glimmora.start(BuiltProgramDir() + "glimmora", {});
        if (start == 1)
            ASSERT_TRUE(answer(granted)) << answers.lines().join('\n').toStdString();
        else
            ASSERT_TRUE(WaitFor(granted)) << "start " << start << " was asked again";
        // The token that came with the permission is kept for the next start (the portal may
        // hand out the same one again), for the user alone.
        ASSERT_TRUE(WaitFor([&] {
            const QFileInfo kept(token);
            return kept.size() > 0 && kept.lastModified() >= started;
        })) << "start "
            << start;
        struct stat file {};
        ASSERT_EQ(::stat(QFile::encodeName(token).constData(), &file), 0);
        EXPECT_EQ(file.st_mode & 0777, 0600u);
        ASSERT_TRUE(GlobalAtomAdd("Glimmora_CloseYourself"));
        ASSERT_TRUE(WaitFor([&] { return glimmora.state() == QProcess::NotRunning; }, 30000))
            << "start " << start << " did not quit";
    }
}
