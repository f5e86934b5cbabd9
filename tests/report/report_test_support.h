#pragma once
// What the report's Windows tests share: COM on the test thread, a private temporary folder, file reading
// and a recording stand-in for the analyst's message box and the shell.

#include "report/report_environment.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <string>
#include <vector>

// COM for the test's thread, as the dialog has it when it makes a report.
class ComTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};

// A new empty folder under the temporary folder, removed with everything in it at the end.
class ScratchFolder {
public:
    ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    ~ScratchFolder();

    const std::wstring& path() const { return path_; }
    // Creates folder\relative (and the folders above it) holding the given bytes.
    std::wstring write(const std::wstring& relative, const std::string& bytes) const;

private:
    std::wstring path_;
};

// Points the platform's temporary folder, which follows TMP, elsewhere while it lives; TMP comes back after.
class TemporaryFolderOverride {
public:
    TemporaryFolderOverride();
    TemporaryFolderOverride(const TemporaryFolderOverride&) = delete;
    TemporaryFolderOverride& operator=(const TemporaryFolderOverride&) = delete;
    ~TemporaryFolderOverride();

    void use(const std::wstring& folder) const;

private:
    std::wstring previous_;
};

bool FileExists(const std::wstring& path);
std::string ReadFileBytes(const std::wstring& path);
// The default style sheet, copied beside the test program by the build.
std::string DefaultStyleSheet();
// The entries of folder whose names match the pattern ("zvr*.html"), without "." and "..".
std::vector<std::wstring> FilesMatching(const std::wstring& folder, const std::wstring& pattern);

// Records what the report tells the analyst and asks of the shell.
struct RecordingEnvironment {
    struct ShellCall {
        HWND owner;
        std::wstring verb;
        std::wstring file;
        bool withParameters;
        bool withDirectory;
        int showCommand;
    };

    // What publicDocumentsFolder answers.
    std::wstring publicDocuments;
    // What shellExecute answers (above 32: opened).
    INT_PTR shellAnswer = 42;
    std::vector<std::wstring> messages;
    std::vector<ShellCall> shellCalls;

    ReportEnvironment environment();
};

// Parses UTF-8 XML (the XHTML a style sheet wrote); fails the test when it is not well-formed.
testing::AssertionResult ParseXml(const std::string& bytes, pugi::xml_document& document);
