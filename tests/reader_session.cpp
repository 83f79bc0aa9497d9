#include "reader_session.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace atspi {

using namespace std::chrono_literals;

Bus::Bus(const harness::Environment& services)
    : fDaemon(new harness::Process({"dbus-daemon", "--session", "--nofork", "--print-address=1"},
        services, harness::Pipes {.output = true}))
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

namespace {

std::string Contents(const std::string& path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

// speech-dispatcher speaks through speech_log.py alone, which writes down
// what it is given instead of making a sound.
Orca::Orca(const harness::Environment& display)
    : fDisplay(display)
{
    namespace fs = std::filesystem;
    char dir[] = "/tmp/tavrin-orca-XXXXXX";
    fProblem = "no home folder";
    if (!mkdtemp(dir))
        return;
    fHome = dir;
    fs::create_directory(fHome + "/run");
    fs::permissions(fHome + "/run", fs::perms::owner_all, fs::perm_options::replace);
    const std::string settings = fHome + "/.config/speech-dispatcher";
    fs::create_directories(settings + "/modules");
    std::ofstream(settings + "/modules/speech_log.conf");
    std::ofstream(settings + "/speechd.conf")
        << "AddModule \"log\" \"" SPEECH_LOG "\" \"speech_log.conf\"\n"
        << "DefaultModule log\n";
    fBus = std::make_unique<Bus>(Desktop());
    fProblem = "no accessibility bus";
    if (!fBus->Running())
        return;
    harness::Environment everything = Desktop();
    for (const auto& setting : fBus->ClientEnvironment())
        everything.push_back(setting);
    harness::Process accessibility(
        {"gsettings", "set", "org.gnome.desktop.interface", "toolkit-accessibility", "true"},
        everything);
    int status = 1;
    if (!accessibility.WaitExit(&status) || status != 0) {
        fProblem = "gsettings failed: " + accessibility.Stderr();
        return;
    }
    fProblem.clear();
    everything.push_back({"TAVRIN_SPEECH_LOG", fHome + "/speech.log"});
    fSpeech = std::make_unique<harness::Process>(
        std::vector<std::string> {"speech-dispatcher", "--run-single", "--timeout", "0"},
        everything);
    fOrca = std::make_unique<harness::Process>(
        std::vector<std::string> {"orca", "--debug-file=" + fHome + "/debug.log"}, everything);
    fReady = harness::WaitFor(
        [&] {
            for (const Utterance& said : Heard()) {
                if (said.text == "Screen reader on.")
                    return true;
            }
            return false;
        },
        30s);
}

// Orca 51 keeps its debug log in a buffer until it ends.
void Orca::Stop()
{
    if (fOrca)
        fOrca->Stop(5s);
}

// Orca goes first: one whose bus has gone may never end.
Orca::~Orca()
{
    Stop();
    fSpeech.reset();
    fBus.reset();
    if (!fHome.empty())
        std::filesystem::remove_all(fHome);
}

harness::Environment Orca::Desktop() const
{
    harness::Environment desktop = fDisplay;
    desktop.push_back({"HOME", fHome});
    desktop.push_back({"XDG_RUNTIME_DIR", fHome + "/run"});
    desktop.push_back({"XDG_CONFIG_HOME", fHome + "/.config"});
    desktop.push_back({"XDG_CACHE_HOME", fHome + "/.cache"});
    desktop.push_back({"XDG_DATA_HOME", fHome + "/.local/share"});
    return desktop;
}

harness::Environment Orca::GameEnvironment() const
{
    harness::Environment environment = fBus->ClientEnvironment();
    environment.push_back({"QT_LINUX_ACCESSIBILITY_ALWAYS_ON", std::nullopt});
    return environment;
}

std::vector<Orca::Utterance> Orca::Heard() const
{
    std::vector<Utterance> heard;
    std::istringstream lines(Contents(fHome + "/speech.log"));
    for (std::string line; std::getline(lines, line);) {
        const QJsonArray said = QJsonDocument::fromJson(QByteArray::fromStdString(line)).array();
        if (said.size() == 3) {
            heard.push_back({said[0].toDouble(), said[2].toString().toStdString()});
        }
    }
    return heard;
}

std::string Orca::DebugLog() const
{
    return Contents(fHome + "/debug.log");
}

void Orca::KeepLogs(const std::string& folder) const
{
    std::filesystem::create_directories(folder);
    for (const char* log : {"speech.log", "debug.log"}) {
        std::error_code ignored;
        std::filesystem::copy_file(fHome + "/" + log, folder + "/orca-" + log,
            std::filesystem::copy_options::overwrite_existing, ignored);
    }
}

std::string Orca::Stderr() const
{
    return fOrca ? fOrca->Stderr() : "Orca never started: " + fProblem;
}

} // namespace atspi
