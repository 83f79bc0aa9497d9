#include "reader_session.h"

#include <QJsonDocument>

namespace atspi {

Bus::Bus()
    : fDaemon(new harness::Process({"dbus-daemon", "--session", "--nofork", "--print-address=1"},
        {}, harness::Pipes {.output = true}))
{
    fAddress = fDaemon->ReadLine().value_or("");
}

harness::Environment Bus::ClientEnvironment() const
{
    return {{"DBUS_SESSION_BUS_ADDRESS", fAddress}};
}

// The reader says it is ready once it listens.
ScreenReader::ScreenReader()
{
    if (!fBus.Running())
        return;
    fReader = std::make_unique<harness::Process>(
        std::vector<std::string> {"/usr/bin/python3", SCREEN_READER}, fBus.ClientEnvironment(),
        harness::Pipes {.input = true, .output = true});
    fReady = Answer().value("ready").toBool();
}

ScreenReader::~ScreenReader()
{
    if (fReader)
        fReader->Write("quit\n");
}

harness::Environment ScreenReader::GameEnvironment() const
{
    harness::Environment environment = fBus.ClientEnvironment();
    environment.push_back({"QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1"});
    return environment;
}

QJsonObject ScreenReader::Read()
{
    if (!fReady || !fReader->Write("read\n"))
        return {};
    return Answer();
}

QJsonObject ScreenReader::Answer()
{
    const std::string line = fReader->ReadLine().value_or("");
    return QJsonDocument::fromJson(QByteArray::fromStdString(line)).object();
}

} // namespace atspi
