#pragma once
// Shared by the file-layer tests: a prompter that records what it was told and
// asked, and a scratch folder standing in for the program's folder.

#include "io/AppPaths.h"
#include "io/Prompter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>

#include <deque>
#include <string>
#include <vector>

namespace zol::test {

class ScriptedPrompter : public Prompter {
public:
    // Answers to the questions to come, in order; an unexpected question fails.
    explicit ScriptedPrompter(std::deque<bool> answers = {}) : answers_(std::move(answers)) {}
    ~ScriptedPrompter() override { EXPECT_TRUE(answers_.empty()) << "questions left unasked"; }

    void Inform(const std::string& text) override { informed.push_back(text); }
    void Warn(const std::string& text) override { warned.push_back(text); }
    bool Confirm(const std::string& text) override
    {
        asked.push_back(text);
        if (answers_.empty()) {
            ADD_FAILURE() << "unexpected question: " << text;
            return false;
        }
        const bool answer = answers_.front();
        answers_.pop_front();
        return answer;
    }

    std::vector<std::string> informed;
    std::vector<std::string> warned;
    std::vector<std::string> asked;

private:
    std::deque<bool> answers_;
};

inline std::string Fixture(const char* name)
{
    QFile file(QStringLiteral(IO_FIXTURES "/") + name);
    if (!file.open(QIODevice::ReadOnly))
        ADD_FAILURE() << "missing fixture " << name;
    return file.readAll().toStdString();
}

// Stands in for a full disk while it lives: writing a file beyond a few bytes
// fails part way through, as root too.
class FileSizeLimit {
public:
    FileSizeLimit() : handler_(std::signal(SIGXFSZ, SIG_IGN))
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        struct rlimit small = saved_;
        small.rlim_cur = 64;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, handler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    struct rlimit saved_ {};
    void (*handler_)(int);
};

// A fresh folder used as the program folder for the length of a test.
class ProgramFolderTest : public ::testing::Test {
protected:
    ProgramFolderTest() { SetProgramFolder(dir_.path()); }
    ~ProgramFolderTest() override { SetProgramFolder({}); }

    QString Path(const QString& relative) const { return dir_.filePath(relative); }

    QString Write(const QString& relative, const std::string& bytes) const
    {
        const QString path = Path(relative);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        return path;
    }

    QString WriteFixture(const char* fixture, const QString& relative) const
    {
        return Write(relative, Fixture(fixture));
    }

    std::string Read(const QString& relative) const
    {
        QFile file(Path(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string("<missing>");
    }

    bool Exists(const QString& relative) const { return QFileInfo::exists(Path(relative)); }

private:
    QTemporaryDir dir_;
};

} // namespace zol::test
