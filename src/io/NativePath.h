#pragma once
// File names as the system keeps them: bytes, which need not be UTF-8 (a name
// written by an older system in Shift-JIS, say). A QString holds such a name
// without loss: each byte that does not belong to UTF-8 stands as one of the
// lone surrogates U+DC80..U+DCFF, which no UTF-8 text decodes to, so two
// different names never become one QString. Qt's own file classes would turn
// those stand-ins into other bytes, so every file the program opens, creates
// or looks at by a user's name goes through NativePath.

#include <QByteArray>
#include <QString>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zol {

QString PathFromNative(std::string_view bytes);
QByteArray NativePath(const QString& path);

// True when the name holds bytes that are not UTF-8.
bool HasForeignBytes(const QString& path);
// The name as text, those bytes shown as U+FFFD as file dialogs show them.
QString ShownAsText(const QString& path);

// The system's text for an errno value ("No space left on device").
QString SystemReason(int error);

bool PathExists(const QString& path);
bool IsFolder(const QString& path);
bool IsFile(const QString& path); // a plain file, links followed
// True when it made the folder (one level); false when it was there or could
// not be made.
bool MakeFolder(const QString& path);
// Makes the folder and those above it that are missing, and returns the ones
// it made, outermost first. Throws FileError naming the folder and the
// system's reason.
std::vector<QString> MakeFolders(const QString& path);
// True for a folder with anything in it.
bool HoldsEntries(const QString& folder);
// Both leave alone what they cannot remove: a folder that is not empty.
void RemoveEmptyFolder(const QString& path);
void RemoveFile(const QString& path);

// A file dialog shows a name that is not UTF-8 with U+FFFD in place of its
// odd bytes and hands back that text, which names another file or none. The
// name the user meant, with its own bytes: the path itself when it exists or
// holds no U+FFFD; else the one entry of its folder that the dialog shows
// under that name. Nothing when several entries look the same: no name can
// then be trusted.
std::optional<QString> ChosenPath(const QString& shown);

} // namespace zol
