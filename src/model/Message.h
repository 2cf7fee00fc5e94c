#pragma once
// The texts of the errors the program reports. An error carries the id of its
// text and the values it names; the editor shows it in Japanese, zoltool (a
// command-line tool) in English. One table holds both languages.

#include <stdexcept>
#include <string>
#include <vector>

namespace zol {

enum class MessageId {
    Text,                 // %1 a text given as it stands, the same in every language
    NotAnInteger,         // %1 the text
    NumberTooLong,        // %1 the text
    LineTooLong,
    TooManyNumbers,
    PivotOutOfRange,      // %1 the value
    VertexOutOfRange,     // %1 the value
    PlacementOutOfRange,  // %1 the value
    VertexCount,          // %1 the count
    PieceLineTooShort,
    SetEndsEarly,         // %1 the number of lines
    PlacementCount,       // %1 numbers found, %2 numbers needed
    FlipValue,
    PieceCount,           // %1 the count
    AngleStep,            // %1 the step read, %2 the largest allowed
    NoSetName,
    MergeUnconvertible,
    ListIndex,            // %1 the index
    ReadFailed,           // %1 the file, %2 the system's reason
    WriteFailed,          // %1 the file, %2 the system's reason
    FolderFailed,         // %1 the folder, %2 the system's reason
    PieceSetErrors,       // heading of the start-up list of piece-set files that failed
    NoFigures,            // an export of the list found it empty
    // gTans collections (they name the format, so their Japanese holds its name too)
    GtansHeader,          // %1 the line number
    GtansFigureLine,      // %1 the line number
    GtansPieceLine,       // %1 the line number
    GtansPieceValue,      // %1 the line number
    GtansPieceKinds,      // %1 the line number
    GtansEndsEarly,       // %1 the line number, %2 figures found, %3 figures announced
    GtansTooMany,         // %1 the line number, %2 figures announced
    GtansOtherSet,        // %1 the document's piece-set name
    GtansByteOrderMark,   // %1 the line number
    GtansCountLimit,      // %1 the line number, %2 figures announced, %3 the limit
    GtansTooLarge,        // %1 the document's figures, %2 the limit
    // silhouettes searched for their pieces
    SilhouetteEmpty,
    SilhouetteOffBoard,   // %1..%2 its columns, %3..%4 its rows
};

enum class Language { English, Japanese };

// Values are UTF-8 text.
struct Message {
    MessageId id;
    std::vector<std::string> args;
};

// The text of message in language, with %1, %2, ... replaced by its values.
std::string MessageText(const Message& message, Language language);

// Borne by the errors that have a text in both languages.
class MessageError {
public:
    explicit MessageError(Message message) : message_(std::move(message)) {}
    explicit MessageError(const std::string& text) : message_{MessageId::Text, {text}} {}
    virtual ~MessageError() = default;
    const Message& message() const { return message_; }

private:
    Message message_;
};

// The message an exception carries, or else its what() as a text that stands
// as it is.
Message MessageOf(const std::exception& error);

// The text of any exception for the user, in language where it has one.
std::string ErrorText(const std::exception& error, Language language);

// A figure index beyond the list.
class ListIndexError : public std::out_of_range, public MessageError {
public:
    explicit ListIndexError(int index);
};

} // namespace zol
