#include "model/Message.h"

#include <array>

namespace zol {

namespace {

struct Texts {
    MessageId id;
    const char* english;
    const char* japanese;
};

// English texts read as zoltool reports them after a file name; Japanese texts
// as the editor's message boxes show them.
constexpr std::array Table = {
    Texts{MessageId::Text, "%1", "%1"},
    Texts{MessageId::NotAnInteger, "'%1' is not a valid integer value", "'%1' は有効な整数値ではありません。"},
    Texts{MessageId::NumberTooLong, "'%1' is too long for a number", "'%1' は数値としては長すぎます。"},
    Texts{MessageId::LineTooLong, "a line is longer than 4095 characters", "4095 文字を超える行があります。"},
    Texts{MessageId::TooManyNumbers, "a line holds more than 1024 numbers", "1024 個を超える数値が並んだ行があります。"},
    Texts{MessageId::PivotOutOfRange, "a pivot coordinate %1 is out of range", "回転の中心の座標 %1 が範囲外です。"},
    Texts{MessageId::VertexOutOfRange, "a vertex coordinate %1 is out of range", "頂点の座標 %1 が範囲外です。"},
    Texts{MessageId::PlacementOutOfRange, "a placement value %1 is out of range", "配置の値 %1 が範囲外です。"},
    Texts{MessageId::VertexCount, "a piece has %1 vertices; 1 to 63 are allowed",
          "頂点が %1 個のピースがあります。頂点の数は 1～63 です。"},
    Texts{MessageId::PieceLineTooShort, "a piece line holds too few numbers for its vertices",
          "ピースの行の数値が頂点の数に足りません。"},
    Texts{MessageId::SetEndsEarly, "the piece set ends after %1 lines", "ピースセットが %1 行で終わっています。"},
    Texts{MessageId::PlacementCount, "a placement line holds %1 numbers; %2 are needed",
          "配置の行に数値が %1 個しかありません。%2 個必要です。"},
    Texts{MessageId::FlipValue, "a flip value must be 1 or -1", "裏返しの値は 1 か -1 でなければなりません。"},
    Texts{MessageId::PieceCount, "a piece set has %1 pieces; 1 to 32 are allowed",
          "ピースが %1 個のピースセットです。ピースの数は 1～32 です。"},
    Texts{MessageId::AngleStep, "the angle step is %1; 1 to %2 are allowed",
          "角度の刻みが %1 です。角度の刻みは 1～%2 です。"},
    Texts{MessageId::NoSetName, "the document names no piece set", "ピースセットの名前がないファイルです。"},
    Texts{MessageId::MergeUnconvertible, "the merged file holds text that cannot be converted without damage",
          "追加するファイルに、損なわずに変換できない文字があります。"},
    Texts{MessageId::ListIndex, "List index out of bounds (%1)", "リストのインデックスが範囲を超えています (%1)。"},
    Texts{MessageId::ReadFailed, "could not read the file %1: %2", "ファイルを読み込めませんでした。\n%1\n%2"},
    Texts{MessageId::WriteFailed, "could not save the file %1: %2", "ファイルを保存できませんでした。\n%1\n%2"},
    Texts{MessageId::FolderFailed, "could not make the folder %1: %2", "フォルダーを作成できませんでした。\n%1\n%2"},
    Texts{MessageId::PieceSetErrors, "These piece-set files could not be used:",
          "次のピース形状ファイルは使えませんでした。"},
    Texts{MessageId::NoFigures, "the document has no figures", "リストに図形がありません。"},
    Texts{MessageId::GtansHeader, "line %1: a gTans file begins with \"gTans v1.0 N\", N its number of figures",
          "%1 行目: gTans のファイルは「gTans v1.0 図形の数」で始まります。"},
    Texts{MessageId::GtansFigureLine, "line %1: a figure begins with a line of three numbers",
          "%1 行目: 図形は 3 つの数値の行で始まります。"},
    Texts{MessageId::GtansPieceLine, "line %1: a piece line reads \"p TYPE FLIP X Y ROTATION\"",
          "%1 行目: ピースの行は「p 種類 裏返し X Y 回転」の形です。"},
    Texts{MessageId::GtansPieceValue,
          "line %1: a piece's type is 0 to 4, its flip 0 or 1 and its position within 1000 units of the origin",
          "%1 行目: ピースの種類は 0～4、裏返しは 0 か 1、位置は原点から 1000 以内です。"},
    Texts{MessageId::GtansPieceKinds,
          "line %1: a figure has two large triangles, a medium triangle, a square, a parallelogram and two small "
          "triangles",
          "%1 行目: 図形は大きい三角形 2 つ、中くらいの三角形、正方形、平行四辺形、小さい三角形 2 つでできています。"},
    Texts{MessageId::GtansEndsEarly, "line %1: the file ends after %2 of the %3 figures it announces",
          "%1 行目: %3 個あるはずの図形が %2 個で終わっています。"},
    Texts{MessageId::GtansTooMany, "line %1: the file holds more than the %2 figures its first line announces",
          "%1 行目: 1 行目にある図形の数 %2 より多くの図形があります。"},
    Texts{MessageId::GtansByteOrderMark,
          "line %1: the file begins with a UTF-8 byte order mark; a gTans file is plain ASCII text",
          "%1 行目: ファイルが UTF-8 のバイト順マークで始まっています。gTans のファイルは ASCII だけのテキストです。"},
    Texts{MessageId::GtansCountLimit, "line %1: the file announces %2 figures; a gTans collection holds at most %3",
          "%1 行目: 図形の数が %2 個とあります。gTans の図形集は %3 個までです。"},
    Texts{MessageId::GtansTooLarge, "the document has %1 figures; a gTans collection holds at most %2",
          "この文書には図形が %1 個あります。gTans の図形集は %2 個までです。"},
    Texts{MessageId::GtansOtherSet,
          "only figures of the built-in tangram set can be written in gTans format; this document is of the set %1",
          "gTans 形式で書き出せるのは組み込みのタングラムの図形だけです。\nこの文書のピースセットは %1 です。"},
    Texts{MessageId::SilhouetteEmpty, "the silhouette is empty: there is nothing for the pieces to make",
          "シルエットが空です。ピースで作るものがありません。"},
    Texts{MessageId::SilhouetteOffBoard,
          "the silhouette is not wholly on the board: it spans x %1..%2 and y %3..%4, the board 0..512",
          "シルエットが盤からはみ出しています (x %1～%2、y %3～%4。盤は 0～512 です)。"},
};

const Texts& Find(MessageId id)
{
    for (const Texts& texts : Table)
        if (texts.id == id)
            return texts;
    throw std::logic_error("a message without text");
}

// Replaces %1 .. %9 in one pass, so a value holding "%2" stays as it is.
std::string Fill(std::string_view format, const std::vector<std::string>& args)
{
    std::string text;
    for (size_t i = 0; i < format.size(); ++i) {
        const char c = format[i];
        if (c == '%' && i + 1 < format.size() && format[i + 1] >= '1' && format[i + 1] <= '9') {
            const size_t k = static_cast<size_t>(format[i + 1] - '1');
            if (k < args.size())
                text += args[k];
            ++i;
        } else {
            text += c;
        }
    }
    return text;
}

} // namespace

std::string MessageText(const Message& message, Language language)
{
    const Texts& texts = Find(message.id);
    return Fill(language == Language::Japanese ? texts.japanese : texts.english, message.args);
}

Message MessageOf(const std::exception& error)
{
    if (const auto* carrier = dynamic_cast<const MessageError*>(&error))
        return carrier->message();
    return {MessageId::Text, {error.what()}};
}

std::string ErrorText(const std::exception& error, Language language)
{
    return MessageText(MessageOf(error), language);
}

ListIndexError::ListIndexError(int index)
    : std::out_of_range(MessageText({MessageId::ListIndex, {std::to_string(index)}}, Language::English)),
      MessageError({MessageId::ListIndex, {std::to_string(index)}})
{
}

} // namespace zol
