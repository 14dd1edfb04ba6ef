#include "cli/CliRun.h"

#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <sys/wait.h>
#include <utility>

namespace ferrovane::testing {

std::string Quote(const std::string& word) {
    std::string q = "'";
    for (char c : word)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

CliRun::CliRun(std::string command) : mCommand(std::move(command)) {}

void CliRun::SetUp() {
    std::random_device rd;
    mDir = std::filesystem::temp_directory_path() /
           ("ferrovane-cli-test-" + std::to_string(rd()) + std::to_string(rd()));
    std::filesystem::create_directories(mDir);
}

void CliRun::TearDown() {
    std::error_code ec;
    std::filesystem::remove_all(mDir, ec);
}

std::string CliRun::Temp(const std::string& name) const {
    return (mDir / name).string();
}

int CliRun::Run(const std::vector<std::string>& words) {
    if (mCommand.empty()) return RunWords(words);
    std::vector<std::string> all{mCommand};
    all.insert(all.end(), words.begin(), words.end());
    return RunWords(all);
}

int CliRun::RunScript(const std::string& script) {
    const std::string file = Temp("script.txt");
    WriteFile(file, script);
    return RunWords({"script", file});
}

int CliRun::RunWords(const std::vector<std::string>& words) {
    const std::string outFile = Temp("cli-stdout.txt");
    const std::string errFile = Temp("cli-stderr.txt");
    std::string command =
        "env -u LC_ALL -u LC_MESSAGES LANG=" + Quote(Lang) + " " + Quote(FERROVANE_CLI);
    for (const auto& w : words)
        command += " " + Quote(w);
    command += " >" + Quote(outFile) + " 2>" + Quote(errFile);
    const int status = std::system(command.c_str());
    Out = ReadFile(outFile);
    Err = ReadFile(errFile);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace ferrovane::testing
