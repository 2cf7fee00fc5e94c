#pragma once
// Runs the built zoltool as a separate process, without a display.

#include <QProcess>
#include <QStringList>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

inline Outcome Zoltool(const std::vector<std::string>& words)
{
    QStringList arguments;
    for (const std::string& word : words)
        arguments << QString::fromStdString(word);
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DISPLAY"); // it must run without one
    environment.remove("WAYLAND_DISPLAY");
    process.setProcessEnvironment(environment);
    process.start(ZOLTOOL_PATH, arguments);
    EXPECT_TRUE(process.waitForFinished(60000)) << "zoltool did not finish";
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    return {process.exitCode(), process.readAllStandardOutput().toStdString(),
            process.readAllStandardError().toStdString()};
}

inline std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "the output ends with a line break";
    return lines;
}

struct RawOutcome {
    int status;
    std::string err;
    long peakKilobytes; // the process's own peak resident size, as the system counted it
};

// The environment for a process whose peak memory is measured: a sanitizer's
// allocator holds freed memory back in a quarantine, which would count as the
// program's own; with it off the peak is what the program keeps at once.
inline std::vector<std::string> MeasuredEnvironment()
{
    std::vector<std::string> variables;
    std::string sanitizer = "ASAN_OPTIONS=quarantine_size_mb=0";
    for (char** variable = environ; *variable; ++variable) {
        const std::string text = *variable;
        if (text.starts_with("ASAN_OPTIONS="))
            sanitizer = text + ":quarantine_size_mb=0";
        else
            variables.push_back(text);
    }
    variables.push_back(sanitizer);
    return variables;
}

// The strings as the null-ended array of pointers that exec takes.
inline std::vector<char*> ExecArray(std::vector<std::string>& strings)
{
    std::vector<char*> pointers;
    for (std::string& text : strings)
        pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

// zoltool with its words as bytes, so that names that are not UTF-8 reach it
// as they are (QProcess would turn them into other names), its standard
// output sent to the file `out` (/dev/full for a full disk).
inline RawOutcome ZoltoolRaw(const std::vector<std::string>& words, const std::string& out = "/dev/null")
{
    char errPath[] = "/tmp/zoltool-err-XXXXXX";
    const int errFile = ::mkstemp(errPath);
    std::vector<std::string> argv = {ZOLTOOL_PATH};
    argv.insert(argv.end(), words.begin(), words.end());
    std::vector<std::string> environment = MeasuredEnvironment();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, errFile, 2);
    pid_t pid = 0;
    const int spawned =
        ::posix_spawn(&pid, ZOLTOOL_PATH, &actions, nullptr, ExecArray(argv).data(), ExecArray(environment).data());
    posix_spawn_file_actions_destroy(&actions);
    EXPECT_EQ(spawned, 0) << "zoltool did not start";
    int status = 0;
    struct rusage usage {};
    ::wait4(pid, &status, 0, &usage);
    std::string err;
    char buffer[4096];
    ::lseek(errFile, 0, SEEK_SET);
    for (ssize_t got; (got = ::read(errFile, buffer, sizeof buffer)) > 0;)
        err.append(buffer, static_cast<size_t>(got));
    ::close(errFile);
    ::unlink(errPath);
    EXPECT_TRUE(WIFEXITED(status)) << "zoltool ended by a signal: " << err;
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, err, usage.ru_maxrss};
}
