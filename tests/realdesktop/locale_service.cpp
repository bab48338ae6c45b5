// The system's locale service, as far as mutter asks it when it starts: the keyboard layout, given
// as the first argument in the service's form ("ru,us"). It serves on the bus that
// DBUS_SESSION_BUS_ADDRESS names, until it is ended.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>

namespace {

class LocaleService : public QDBusVirtualObject {
public:
    explicit LocaleService(QString layouts) : layouts_(std::move(layouts)) {}
    QString introspect(const QString&) const override { return QString(); }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        if (message.member() != QLatin1String("GetAll"))
            return false;
        const QVariantMap properties{{"X11Layout", layouts_},
                                     {"X11Model", QStringLiteral("pc105")},
                                     {"X11Variant", QString()},
                                     {"X11Options", QString()}};
        connection.send(message.createReply(QVariantList{properties}));
        return true;
    }

private:
    QString layouts_;
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    LocaleService service(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("us"));
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerVirtualObject(QStringLiteral("/org/freedesktop/locale1"), &service) ||
        !bus.registerService(QStringLiteral("org.freedesktop.locale1")))
        return 1;
    return app.exec();
}
