#include "platform/display.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

#include <QRegularExpression>
#include <QScreen>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace platform {

namespace {

struct Held {
    QtMsgType type;
    QByteArray category;
    QString message;
};

// What Qt says while it starts: held back, and passed on once the display
// is open, for a failure is told in the program's own words.
std::vector<Held> held;
QStringList platformsTried, platformsMissing;
QtMessageHandler previous = nullptr;

#ifdef Q_OS_WIN
constexpr char kDefaultPlatform[] = "windows";
constexpr char kAdvice[] = "Start it from the Windows desktop.";

// A Windows desktop program has no console of its own: --help and
// --version, typed in a console, are written to that console.
void attachParentConsole()
{
    if (::GetStdHandle(STD_OUTPUT_HANDLE) == nullptr && ::AttachConsole(ATTACH_PARENT_PROCESS))
        std::freopen("CONOUT$", "w", stdout);
}

// Windows' own text renderer, DirectWrite (Qt's default from 6.8 on), rather
// than the older GDI one, which draws some narrow letters of small text not
// at all under Wine and scales bitmap fonts coarsely. A platform named by
// the user is left as it is.
void chooseTextRenderer()
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "windows:fontengine=directwrite");
}

// Whether the desktop can show windows: the process's window station is the
// interactive one (a service's is not), and a window can be made at all
// (Wine without an X display cannot). Qt would go on with no window.
bool desktopUsable()
{
    if (QGuiApplication::platformName() != u"windows")
        return true;  // another platform, offscreen for one, said so already
    USEROBJECTFLAGS flags{};
    if (::GetUserObjectInformationW(::GetProcessWindowStation(), UOI_FLAGS, &flags, sizeof flags, nullptr) &&
        !(flags.dwFlags & WSF_VISIBLE))
        return false;
    const HWND probe = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                         ::GetModuleHandleW(nullptr), nullptr);
    if (!probe)
        return false;
    ::DestroyWindow(probe);
    return true;
}

// Started from the desktop, it has nowhere to write either: the system's
// own message box tells the user instead.
void tellUser(const QString& line)
{
    std::fprintf(stderr, "%s\n", qPrintable(line));
    std::fflush(stderr);
    if (::GetStdHandle(STD_ERROR_HANDLE) == nullptr)
        ::MessageBoxW(nullptr, reinterpret_cast<const wchar_t*>(line.utf16()), L"netadmin-quiz",
                      MB_OK | MB_ICONERROR);
}
#else
constexpr char kDefaultPlatform[] = "xcb";
constexpr char kAdvice[] =
    "Start it from a desktop session, or under a virtual display: xvfb-run -a netadmin-quiz";

void attachParentConsole() {}

void chooseTextRenderer() {}

bool desktopUsable()
{
    return true;  // Qt has found a screen: the display answers
}

void tellUser(const QString& line)
{
    std::fprintf(stderr, "%s\n", qPrintable(line));
    std::fflush(stderr);
}
#endif

QString display(const QString& platform)
{
    const QString x11 = qEnvironmentVariable("DISPLAY"), wayland = qEnvironmentVariable("WAYLAND_DISPLAY");
    QString name;
    if (platform == u"xcb" && !x11.isEmpty())
        name = QStringLiteral("the X display %1").arg(x11);
    else if (platform == u"xcb")
        name = wayland.isEmpty() ? QStringLiteral("a display: neither DISPLAY nor WAYLAND_DISPLAY is set")
                                 : QStringLiteral("an X display: DISPLAY is not set");
    else if (platform == u"windows")
        name = QStringLiteral("the Windows desktop");
    else if (platform.startsWith(u"wayland"))
        name = QStringLiteral("the Wayland display %1")
                   .arg(wayland.isEmpty() ? QStringLiteral("wayland-0") : wayland);
    else
        name = QStringLiteral("a screen through the \"%1\" platform").arg(platform);
    if (platformsMissing.contains(platform))
        name += QStringLiteral(" (Qt's \"%1\" platform plugin is not installed)").arg(platform);
    return name;
}

[[noreturn]] void cannotOpen()
{
    QStringList tried = platformsTried;
    if (tried.isEmpty()) {
        const QString asked = qEnvironmentVariable("QT_QPA_PLATFORM");
        tried = asked.isEmpty() ? QStringList{QString::fromLatin1(kDefaultPlatform)}
                                : asked.split(u';', Qt::SkipEmptyParts);
    }
    QStringList displays;
    for (const QString& platform : tried)
        displays << display(platform.section(u':', 0, 0));
    tellUser(QStringLiteral("netadmin-quiz: cannot open %1. %2")
                 .arg(displays.join(QStringLiteral(", nor ")), QString::fromLatin1(kAdvice)));
    std::_Exit(2);
}

void whileStarting(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtFatalMsg)
        cannotOpen();  // before Qt aborts
    const QByteArray category(context.category ? context.category : "");
    if (category == "qt.qpa.plugin") {
        static const QRegularExpression plugin(QStringLiteral("platform plugin \"([^\"]+)\""));
        if (const auto match = plugin.match(message); match.hasMatch()) {
            platformsTried << match.captured(1);
            if (message.startsWith(u"Could not find"))
                platformsMissing << match.captured(1);
        }
    }
    held.push_back({type, category, message});
}

// --help and --version are answered in the usual way, before any display is
// opened; every other argument is Qt's.
void answerInformationOptions(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--version" || argument == "--help")
            attachParentConsole();
        if (argument == "--version")
            std::fputs("netadmin-quiz " NETADMIN_VERSION "\n", stdout);
        else if (argument == "--help")
            std::fputs(
                "Usage: netadmin-quiz [--help | --version | QT-OPTION...]\n"
                "Practice quizzes for a network-administration certification.\n"
                "\n"
                "  --help     show this help and exit\n"
                "  --version  show the version and exit\n"
                "\n"
                "Qt's standard options are accepted too, such as -platform NAME, -display NAME,\n"
                "-style NAME, -reverse and -qwindowgeometry WxH+X+Y. See netadmin-quiz(1).\n",
                stdout);
        else
            continue;
        if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
            std::perror("netadmin-quiz: standard output");
            std::exit(1);
        }
        std::exit(0);
    }
}

}  // namespace

std::unique_ptr<QApplication> openApplication(int& argc, char** argv)
{
    answerInformationOptions(argc, argv);
    chooseTextRenderer();
    previous = qInstallMessageHandler(whileStarting);
    auto app = std::make_unique<QApplication>(argc, argv);
    if (!QGuiApplication::primaryScreen() || !desktopUsable())
        cannotOpen();
    qInstallMessageHandler(previous);
    for (const Held& h : held)
        qt_message_output(h.type, QMessageLogContext(nullptr, 0, nullptr, h.category.constData()), h.message);
    held.clear();
    return app;
}

}  // namespace platform
