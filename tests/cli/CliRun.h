#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace ferrovane::testing {

// Quotes one word for the POSIX shell.
std::string Quote(const std::string& word);

// The whole file as bytes; empty when it cannot be read.
std::string ReadFile(const std::filesystem::path& path);

void WriteFile(const std::filesystem::path& path, const std::string& bytes);

// Fixture for end-to-end runs of ferrovane-cli: a scratch directory of its own per test,
// and the program's exit status, standard output and standard error of the last run.
class CliRun : public ::testing::Test {
protected:
    // COMMAND, when given, is put before the words of every Run.
    explicit CliRun(std::string command = {});

    void SetUp() override;
    void TearDown() override;

    // A path in the scratch directory.
    std::string Temp(const std::string& name) const;

    // Runs "ferrovane-cli [COMMAND] WORDS..."; returns the exit status, -1 when the
    // program did not exit normally. Out and Err hold what it wrote.
    int Run(const std::vector<std::string>& words);

    // Writes SCRIPT to a file and runs "ferrovane-cli script FILE".
    int RunScript(const std::string& script);

    std::string Out;
    std::string Err;

    // The LANG every run gets, with LC_ALL and LC_MESSAGES unset: the program's language
    // follows the test, not the locale of whoever runs it. "C" gives Japanese.
    std::string Lang = "C";

private:
    int RunWords(const std::vector<std::string>& words);

    std::string mCommand;
    std::filesystem::path mDir;
};

} // namespace ferrovane::testing
