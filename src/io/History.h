#pragma once
// The list of recently used documents behind the open button.

#include <QString>

#include <array>

namespace zol {

inline constexpr int HistorySize = 10;
// Entry 0 is the most recent; an empty entry is an empty slot.
using HistoryList = std::array<QString, HistorySize>;

// Puts path on top; an entry equal to it but for letter case moves up rather
// than appearing twice, and the oldest falls off. A new document (no path, or
// "新しいファイル") is not entered, nor a name that is not text (see
// NativePath), which the settings file could not give back.
void AddToHistory(HistoryList& history, const QString& path);

struct HistoryMenuItem {
    QString caption; // "&i name": the digit is the accelerator
    bool visible = false;
};

// Files of documentFolder are shown by their file name, others by their whole
// path; empty entries are hidden.
std::array<HistoryMenuItem, HistorySize> HistoryMenuItems(const HistoryList& history, const QString& documentFolder);

} // namespace zol
