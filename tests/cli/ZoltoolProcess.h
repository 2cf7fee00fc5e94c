#pragma once
// Runs the built zoltool as a separate process, without a display.

#include <QProcess>
#include <QStringList>

#include <gtest/gtest.h>

#include <string>
#include <vector>

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
