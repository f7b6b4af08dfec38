#include "network/network_project.h"

#include <algorithm>
#include <filesystem>

#include "network/network_file.h"
#include "network/network_parameters.h"
#include "toolkit/cp1250.h"
#include "toolkit/delimited_fields.h"
#include "toolkit/text.h"
#include "toolkit/text_file.h"

namespace vexa {
namespace {

// The option of a parameter's rule without its dashes.
std::string_view keyOf(const NetworkParameterRule& rule) { return std::string_view(rule.option).substr(2); }

bool knownKey(std::string_view key) {
    for (const NetworkParameterRule& rule : kNetworkParameterRules)
        if (keyOf(rule) == key) return true;
    for (const char* other :
         {kJunctionKey, kRainTableKey, kReceivingInvertKey, kNetworkEncodingKey, kNetworkLineEndsKey})
        if (key == other) return true;
    for (const ProjectDataField& field : kProjectDataFields)
        if (key == field.key) return true;
    return false;
}

// The values of the network file's form.
constexpr const char* kCodePage = "cp1250";
constexpr const char* kUtf8 = "utf-8";
constexpr const char* kUtf8WithMark = "utf-8-bom";
constexpr const char* kCrLf = "crlf";
constexpr const char* kLf = "lf";

std::string utf8Of(const std::filesystem::path& path) {
    const std::u8string text = path.generic_u8string();
    return std::string(text.begin(), text.end());
}

}  // namespace

ProjectError::ProjectError(int line, const std::string& problem)
    : std::runtime_error("Wiersz " + std::to_string(line) + ": " + problem) {}

const ProjectEntry* NetworkProject::find(std::string_view key) const {
    const auto found =
        std::find_if(entries.begin(), entries.end(), [&](const ProjectEntry& e) { return e.key == key; });
    return found == entries.end() ? nullptr : &*found;
}

std::string projectFileName(const std::string& networkFileName) {
    std::filesystem::path path = text_file::pathFromUtf8(networkFileName);
    path.replace_extension(".vexa");
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

NetworkProject readNetworkProject(std::string_view bytes, std::vector<ProjectError>* faults) {
    NetworkProject project;
    const DecodedFileText decoded = decodedFileText(bytes);
    project.codePage1250 = decoded.codePage1250;
    project.crLf = decoded.text.find("\r\n") != std::string::npos;
    int number = 0;
    std::size_t at = 0;
    while (at < decoded.text.size()) {
        const std::size_t end = std::min(decoded.text.find('\n', at), decoded.text.size());
        std::string line = decoded.text.substr(at, end - at);
        at = end + 1;
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (delimited::trimmed(line).empty() || line.front() == '#') continue;
        const auto fault = [&](const std::string& problem) {
            if (!faults) throw ProjectError(number, problem);
            faults->emplace_back(number, problem);
        };
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos) {
            fault("wiersz nie ma postaci klucz=wartość: \"" + line + "\"");
            continue;
        }
        // No control character stays in a value: none can be written back on its line.
        ProjectEntry entry{delimited::trimmed(line.substr(0, equals)),
                           delimited::trimmed(text::withoutControlCharacters(line.substr(equals + 1))), number};
        if (!knownKey(entry.key))
            fault("nieznany klucz \"" + entry.key + "\"");
        else if (entry.key != kReceivingInvertKey && project.find(entry.key))
            fault("klucz \"" + entry.key + "\" występuje drugi raz");
        else
            project.entries.push_back(std::move(entry));
    }
    return project;
}

std::string networkProjectBytes(const NetworkProject& project) {
    std::string text;
    for (const ProjectEntry& entry : project.entries)
        text += entry.key + "=" + entry.value + (project.crLf ? "\r\n" : "\n");
    return project.codePage1250 ? cp1250::encode(text) : text;
}

void applyProject(const NetworkProject& project, const std::string& projectFileName, NetworkParameters& parameters,
                  std::optional<std::string>& rainTableFile, ProjectData& data) {
    for (const ProjectEntry& entry : project.entries) {
        std::optional<std::string> problem;
        const auto rule = std::find_if(kNetworkParameterRules.begin(), kNetworkParameterRules.end(),
                                       [&](const NetworkParameterRule& r) { return keyOf(r) == entry.key; });
        if (rule != kNetworkParameterRules.end())
            problem = readParameter(*rule, entry.value, parameters);
        else if (entry.key == kJunctionKey)
            problem = readJunction(entry.value, parameters);
        else if (entry.key == kReceivingInvertKey)
            problem = readReceivingInvert(entry.value, parameters);
        else if (entry.key == kRainTableKey)
            rainTableFile = pathFromProject(entry.value, projectFileName);
        for (const ProjectDataField& field : kProjectDataFields)
            if (entry.key == field.key) data.*field.member = entry.value;
        if (problem) throw ProjectError(entry.line, entry.key + " " + *problem);
    }
    // The form is checked here too, so that a project vexa-calc takes the window takes.
    projectNetworkForm(project);
}

std::optional<NetworkFileForm> projectNetworkForm(const NetworkProject& project) {
    const ProjectEntry* encoding = project.find(kNetworkEncodingKey);
    const ProjectEntry* lineEnds = project.find(kNetworkLineEndsKey);
    NetworkFileForm form;
    if (encoding) {
        if (encoding->value != kCodePage && encoding->value != kUtf8 && encoding->value != kUtf8WithMark)
            throw ProjectError(encoding->line, std::string(kNetworkEncodingKey) + " \"" + encoding->value +
                                                   "\" nie jest żadnym z: " + kCodePage + ", " + kUtf8 + ", " +
                                                   kUtf8WithMark);
        form.codePage1250 = encoding->value == kCodePage;
        form.byteOrderMark = encoding->value == kUtf8WithMark;
        form.crLf = form.codePage1250;
    }
    if (lineEnds) {
        if (lineEnds->value != kCrLf && lineEnds->value != kLf)
            throw ProjectError(lineEnds->line, std::string(kNetworkLineEndsKey) + " \"" + lineEnds->value +
                                                   "\" nie jest żadnym z: " + kCrLf + ", " + kLf);
        form.crLf = lineEnds->value == kCrLf;
    }
    if (!encoding && !lineEnds) return std::nullopt;
    return form;
}

std::vector<ProjectEntry> networkFormEntries(const NetworkFileForm& form) {
    return {{kNetworkEncodingKey, form.codePage1250    ? kCodePage
                                  : form.byteOrderMark ? kUtf8WithMark
                                                       : kUtf8},
            {kNetworkLineEndsKey, form.crLf ? kCrLf : kLf}};
}

std::string pathInProject(const std::string& fileName, const std::string& projectFileName) {
    const std::filesystem::path file = std::filesystem::absolute(text_file::pathFromUtf8(fileName)).lexically_normal();
    const std::filesystem::path folder =
        std::filesystem::absolute(text_file::pathFromUtf8(projectFileName)).parent_path().lexically_normal();
    const std::filesystem::path relative = file.lexically_relative(folder);
    if (relative.empty() || *relative.begin() == "..") return utf8Of(file);
    return utf8Of(relative);
}

std::string pathFromProject(const std::string& written, const std::string& projectFileName) {
    const std::filesystem::path path = text_file::pathFromUtf8(written);
    if (path.is_absolute()) return written;
    return utf8Of(text_file::pathFromUtf8(projectFileName).parent_path() / path);
}

}  // namespace vexa
