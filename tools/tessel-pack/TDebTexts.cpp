#include "tools/tessel-pack/TDebTexts.h"

#include "tessel/platform/Utf8.h"
#include "tools/tessel-pack/TDebianNames.h"

#include <cctype>
#include <sstream>

namespace tessel {

namespace {

constexpr size_t kWidth = 72;
// A synopsis Debian takes: at most 80 characters.
constexpr size_t kMostSynopsis = 80;

const char* const kExpat = R"(Permission is hereby granted, free of charge, to any person obtaining a copy of
this software and associated documentation files (the "Software"), to deal in
the Software without restriction, including without limitation the rights to
use, copy, modify, merge, publish, distribute, sublicense, and/or sell copies of
the Software, and to permit persons to whom the Software is furnished to do so,
subject to the following conditions:

The above copyright notice and this permission notice shall be included in all
copies or substantial portions of the Software.

THE SOFTWARE IS PROVIDED "AS IS", WITHOUT WARRANTY OF ANY KIND, EXPRESS OR
IMPLIED, INCLUDING BUT NOT LIMITED TO THE WARRANTIES OF MERCHANTABILITY, FITNESS
FOR A PARTICULAR PURPOSE AND NONINFRINGEMENT. IN NO EVENT SHALL THE AUTHORS OR
COPYRIGHT HOLDERS BE LIABLE FOR ANY CLAIM, DAMAGES OR OTHER LIABILITY, WHETHER
IN AN ACTION OF CONTRACT, TORT OR OTHERWISE, ARISING FROM, OUT OF OR IN
CONNECTION WITH THE SOFTWARE OR THE USE OR OTHER DEALINGS IN THE SOFTWARE.)";

size_t Characters(const std::string& text)
{
    return DecodeUtf8(text).size();
}

// Words of a paragraph in lines of at most width characters (a longer word stands
// alone on its line).
std::vector<std::string> Wrapped(const std::string& paragraph, size_t width = kWidth)
{
    std::vector<std::string> lines;
    std::istringstream words(paragraph);
    std::string word, line;
    while (words >> word) {
        if (!line.empty() && Characters(line) + 1 + Characters(word) > width) {
            lines.push_back(line);
            line.clear();
        }
        line += (line.empty() ? "" : " ") + word;
    }
    if (!line.empty())
        lines.push_back(line);
    return lines;
}

// Text as a field's continuation lines: each line behind a space, an empty line
// as " .".
std::string Continued(const std::vector<std::string>& paragraphs)
{
    std::string text;
    for (size_t i = 0; i < paragraphs.size(); ++i) {
        if (i > 0)
            text += " .\n";
        for (const std::string& line : Wrapped(paragraphs[i]))
            text += " " + line + "\n";
    }
    return text;
}

std::string ContinuedVerbatim(const std::string& text)
{
    std::string out;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);)
        out += line.empty() ? " .\n" : " " + line + "\n";
    return out;
}

// "A, B and C".
std::string Listed(const std::vector<std::string>& names)
{
    std::string text;
    for (size_t i = 0; i < names.size(); ++i)
        text += (i == 0 ? "" : i + 1 == names.size() ? " and " : ", ") + names[i];
    return text;
}

// Text for roff: no request or escape of its own, hyphens as minus signs where
// they are meant to be typed.
std::string Roff(const std::string& text)
{
    std::string out;
    for (char c : text) {
        if (c == '\\')
            out += "\\e";
        else if (c == '-')
            out += "\\-";
        else
            out += c;
    }
    if (!out.empty() && (out[0] == '.' || out[0] == '\''))
        out.insert(0, "\\&");
    return out;
}

std::string Xml(const std::string& text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string Formatted(std::time_t when, const char* format)
{
    std::tm utc {};
    gmtime_r(&when, &utc);
    char text[64];
    std::strftime(text, sizeof text, format, &utc);
    return text;
}

} // namespace

TDebTexts::TDebTexts(
    const TDebOptions& options, std::string maintainer, std::vector<std::string> games, std::time_t made)
    : m_options(options)
    , m_maintainer(std::move(maintainer))
    , m_games(std::move(games))
    , m_made(made)
{ }

std::string TDebTexts::Synopsis() const
{
    const std::string synopsis = "Flash game collection: " + m_options.title;
    return Characters(synopsis) <= kMostSynopsis ? synopsis : "collection of Flash games played by Tessel";
}

std::vector<std::string> TDebTexts::Paragraphs() const
{
    std::vector<std::string> paragraphs;
    if (!m_options.description.empty()) {
        std::istringstream lines(m_options.description);
        std::string paragraph;
        for (std::string line; std::getline(lines, line);) {
            if (line.find_first_not_of(' ') == std::string::npos) {
                if (!paragraph.empty())
                    paragraphs.push_back(paragraph);
                paragraph.clear();
            } else {
                paragraph += (paragraph.empty() ? "" : " ") + line;
            }
        }
        if (!paragraph.empty())
            paragraphs.push_back(paragraph);
        return paragraphs;
    }
    const size_t n = m_games.size();
    paragraphs.push_back(m_options.title + ": "
        + (n == 1 ? std::string("a Flash game") : std::to_string(n) + " Flash games")
        + " in one program, played by Tessel in a skinned window with Ruffle, the Flash player written in "
          "Rust. "
          "Choose a game from the Games menu; F11 gives it the whole screen, Ctrl+P pauses it and Ctrl+M "
          "silences it.");
    if (n > 0)
        paragraphs.push_back((n == 1 ? "The game: " : "The games: ") + Listed(m_games) + ".");
    return paragraphs;
}

std::string TDebTexts::Control(
    const std::string& architecture, uint64_t installed_kib, const std::string& depends) const
{
    std::string control = "Package: " + m_options.name + "\nVersion: " + m_options.version
        + "\nArchitecture: " + architecture + "\nMaintainer: " + m_maintainer
        + "\nInstalled-Size: " + std::to_string(installed_kib) + "\n";
    if (!depends.empty())
        control += "Depends: " + depends + "\n";
    control += std::string("Recommends: ") + kRecommends + "\n";
    control
        += "Section: games\nPriority: optional\nDescription: " + Synopsis() + "\n" + Continued(Paragraphs());
    return control;
}

std::string TDebTexts::DesktopEntry() const
{
    const std::string title = TDebianNames::DesktopValue(m_options.title);
    std::string entry = "[Desktop Entry]\nType=Application\n";
    entry += "Name=" + title + "\n";
    entry += "GenericName=Game collection\n";
    entry += "Comment=Play the games of " + title + "\n";
    entry += "Exec=" + m_options.name + "\n";
    entry += "Icon=" + m_options.name + "\n";
    entry += "Terminal=false\nCategories=Game;\nStartupNotify=true\n";
    std::string keywords;
    for (const std::string& game : m_games) {
        std::string keyword = TDebianNames::DesktopValue(game);
        std::string escaped;
        for (char c : keyword)
            escaped += c == ';' ? std::string("\\;") : std::string(1, c);
        keywords += escaped + ";";
    }
    entry += "Keywords=Flash;games;" + keywords + "\n";
    return entry;
}

std::string TDebTexts::Copyright() const
{
    const std::string& name = m_options.name;
    std::string text = "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n";
    text += "Upstream-Name: " + m_options.title + "\n";
    text += "Comment:\n"
        + ContinuedVerbatim(name + " installs the games of \"" + m_options.title + "\" (usr/lib/" + name
            + "/Data.bin) with Tessel, the program that plays them (usr/lib/" + name
            + "/tessel and libtessel-webkit.so), and Ruffle, the Flash player Tessel plays them in (usr/lib/"
            + name + "/ruffle/).");
    text += "\nFiles: *\nCopyright: " + m_options.copyright + "\nLicense: other\n"
        + ContinuedVerbatim("The games of \"" + m_options.title
            + "\" and the files they are made of belong to "
            + m_options.copyright.substr(m_options.copyright.find(' ') + 1)
            + ", who may be asked what else they allow.\nThis package may be copied and given to others "
              "whole "
              "and unchanged.");
    text += "\nFiles: usr/lib/" + name + "/tessel usr/lib/" + name
        + "/libtessel-webkit.so\nCopyright: 2026 The Tessel developers\nLicense: Expat\n";
    text += "\nFiles: usr/lib/" + name
        + "/ruffle/*\nCopyright: 2018 Ruffle LLC <ruffle@ruffle.rs> and Ruffle contributors\nLicense: Expat "
          "or "
          "Apache-2.0\n";
    text += "\nLicense: Expat\n" + ContinuedVerbatim(kExpat);
    text += "\nLicense: Apache-2.0\n On Debian systems, the complete text of the Apache License 2.0 can be "
            "found "
            "in\n \"/usr/share/common-licenses/Apache-2.0\".\n";
    return text;
}

std::string TDebTexts::ChangelogName() const
{
    return m_options.version.find('-') == std::string::npos ? "changelog" : "changelog.Debian";
}

std::string TDebTexts::Changelog() const
{
    // The entry's text in lines of at most 80 columns: "  * " and then "    ".
    std::string entry;
    for (const std::string& line :
        Wrapped("The collection \"" + m_options.title + "\" packed with tessel-pack.", 76))
        entry += (entry.empty() ? "  * " : "    ") + line + "\n";
    return m_options.name + " (" + m_options.version + ") unstable; urgency=medium\n\n" + entry + "\n -- "
        + m_maintainer + "  " + Formatted(m_made, "%a, %d %b %Y %H:%M:%S +0000") + "\n";
}

std::string TDebTexts::ManualPage() const
{
    const std::string name = Roff(m_options.name);
    std::string page = ".TH " + name + " 6 \"" + Formatted(m_made, "%Y-%m-%d") + "\" \""
        + Roff(m_options.version) + "\" \"Games\"\n";
    page += ".SH NAME\n" + name + " \\- play the Flash games of " + Roff(m_options.title) + "\n";
    page += ".SH SYNOPSIS\n.B " + name + "\n";
    page += ".SH DESCRIPTION\n";
    for (const std::string& paragraph : Paragraphs())
        page += Roff(paragraph) + "\n.PP\n";
    page += "The player keeps a few keys of its own while a game plays and leaves every other key to the "
            "game:\n";
    for (auto [key, what] : { std::pair { "F11", "the game alone over the whole screen, and back" },
             std::pair { "Escape", "ends the full screen" },
             std::pair { "Pause, Ctrl+P", "pause, and play on" },
             std::pair { "Ctrl+M", "sound off, and on again" },
             std::pair { "Ctrl+Up, Ctrl+Down", "volume up or down by 10 %" } })
        page += ".TP\n.B " + Roff(key) + "\n" + Roff(what) + "\n";
    page += ".SH FILES\n.TP\n.I /usr/lib/" + name
        + "/Data.bin\nthe games, the settings and the pages of the "
          "collection\n.TP\n.I ~/.local/state/tessel/\nthe window's place and size and the game played last "
          "($XDG_STATE_HOME/tessel)\n.TP\n.I ~/.local/share/tessel/\nwhat the games save "
          "($XDG_DATA_HOME/tessel)\n";
    page += ".SH AUTHORS\nThe games belong to "
        + Roff(m_options.copyright.substr(m_options.copyright.find(' ') + 1)) + "; the package is made by "
        + Roff(m_maintainer) + " with Tessel.\n";
    return page;
}

std::string TDebTexts::ComponentId() const
{
    // Each part of letters, digits and '_', not starting with a digit.
    auto part = [](std::string text) {
        for (char& c : text)
            if (!std::isalnum(static_cast<unsigned char>(c)))
                c = '_';
        return std::isdigit(static_cast<unsigned char>(text[0])) ? "_" + text : text;
    };
    const size_t at = m_maintainer.rfind('@');
    std::string domain = m_maintainer.substr(at + 1, m_maintainer.size() - at - 2);
    std::string id;
    while (!domain.empty()) {
        const size_t dot = domain.rfind('.');
        id += part(domain.substr(dot == std::string::npos ? 0 : dot + 1)) + ".";
        domain = dot == std::string::npos ? std::string() : domain.substr(0, dot);
    }
    return id + part(m_options.name);
}

std::string TDebTexts::LintianOverrides() const
{
    if (!m_options.version.ends_with("-1"))
        return {};
    return "# A collection is shipped by whoever made it, not through Debian's archive: its first\n"
           "# version closes no bug that asked for it.\n"
        + m_options.name + ": initial-upload-closes-no-bugs\n";
}

std::string TDebTexts::Metainfo() const
{
    std::string xml
        = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<component type=\"desktop-application\">\n";
    xml += "  <id>" + Xml(ComponentId()) + "</id>\n";
    xml += "  <metadata_license>CC0-1.0</metadata_license>\n";
    xml += "  <name>" + Xml(m_options.title) + "</name>\n";
    xml += "  <summary>A collection of Flash games</summary>\n";
    xml += "  <description>\n";
    for (const std::string& paragraph : Paragraphs())
        xml += "    <p>" + Xml(paragraph) + "</p>\n";
    xml += "  </description>\n";
    xml += "  <launchable type=\"desktop-id\">" + Xml(m_options.name) + ".desktop</launchable>\n";
    xml += "  <provides>\n    <binary>" + Xml(m_options.name) + "</binary>\n  </provides>\n";
    xml += "  <categories>\n    <category>Game</category>\n  </categories>\n";
    if (!m_games.empty()) {
        xml += "  <keywords>\n";
        for (const std::string& game : m_games)
            xml += "    <keyword>" + Xml(game) + "</keyword>\n";
        xml += "  </keywords>\n";
    }
    xml += "  <content_rating type=\"oars-1.1\"/>\n";
    xml += "  <releases>\n    <release version=\"" + Xml(m_options.version) + "\" date=\""
        + Formatted(m_made, "%Y-%m-%d") + "\"/>\n  </releases>\n";
    xml += "</component>\n";
    return xml;
}

} // namespace tessel
