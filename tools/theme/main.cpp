// tilvora-theme: makes, inspects and checks theme packages and generates the default theme.
#include "DefaultTheme.h"
#include "PackageWriter.h"
#include "ThemeCheck.h"
#include "ThemeInfo.h"
#include "ThemePackage.h"

#include <QFontDatabase>
#include <QGuiApplication>

#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace tilvora;
using arguments_t = std::vector<std::string>;

constexpr const char* usage =
    "usage: tilvora-theme pack DIR -o OUT.tvt\n"
    "       tilvora-theme info PACKAGE\n"
    "       tilvora-theme check PACKAGE\n"
    "       tilvora-theme generate DIR --font SANS.ttf --title-font SERIF.ttf [--extras DIR]\n";

// The value after option name, if given.
std::optional<std::string> Option(const arguments_t& args, const std::string& name) {
    for (size_t i = 0; i + 1 < args.size(); ++i) {
        if (args[i] == name)
            return args[i + 1];
    }
    return std::nullopt;
}

int Pack(const arguments_t& args) {
    const auto out = Option(args, "-o");
    if (args.size() != 4 || !out)
        throw std::invalid_argument("pack needs DIR -o OUT");
    WritePackage(*out, ReadPackageFolder(args[1] == "-o" ? args[3] : args[1]));
    return 0;
}

int Info(const arguments_t& args) {
    if (args.size() != 2)
        throw std::invalid_argument("info needs one PACKAGE");
    for (const std::string& line : ThemeInfoLines(LoadThemePackage(args[1])))
        std::cout << line << '\n';
    return 0;
}

int Check(const arguments_t& args) {
    if (args.size() != 2)
        throw std::invalid_argument("check needs one PACKAGE");
    const auto problems = CheckThemePackage(args[1]);
    for (const std::string& problem : problems)
        std::cout << args[1] << ": " << problem << '\n';
    return problems.empty() ? 0 : 1;
}

QString FontFamily(const std::string& path) {
    const int id = QFontDatabase::addApplicationFont(QString::fromStdString(path));
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty())
        throw std::runtime_error("cannot load the font \"" + path + "\"");
    return families.front();
}

int Generate(const arguments_t& args, int argc, char** argv) {
    const auto sans = Option(args, "--font");
    const auto serif = Option(args, "--title-font");
    if (args.size() < 6 || !sans || !serif)
        throw std::invalid_argument("generate needs DIR --font FILE --title-font FILE");
    // Fonts need a GUI application; the offscreen platform needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const theme_fonts_t fonts{FontFamily(*sans), FontFamily(*serif)};
    WriteMembers(args[1], DefaultThemeMembers(fonts));
    if (const auto extras = Option(args, "--extras"))
        WriteMembers(*extras, DefaultWindowExtras(fonts));
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const arguments_t args(argv + 1, argv + argc);
    try {
        const std::string command = args.empty() ? "" : args[0];
        if (command == "pack")
            return Pack(args);
        if (command == "info")
            return Info(args);
        if (command == "check")
            return Check(args);
        if (command == "generate")
            return Generate(args, argc, argv);
        std::cerr << usage;
        return 2;
    } catch (const std::invalid_argument& error) {
        std::cerr << "tilvora-theme: " << error.what() << '\n' << usage;
        return 2;
    } catch (const std::exception& error) {
        std::cerr << "tilvora-theme: " << error.what() << '\n';
        return 1;
    }
}
