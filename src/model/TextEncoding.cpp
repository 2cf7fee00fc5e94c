#include "model/TextEncoding.h"

namespace zol {

std::string LiteralText(ModelText text, TextEncoding encoding)
{
    const bool cp932 = encoding == TextEncoding::Cp932;
    switch (text) {
    case ModelText::Untitled: // 名称未設定
        return cp932 ? "\x96\xbc\x8f\xcc\x96\xa2\x90\xdd\x92\xe8" : "名称未設定";
    case ModelText::NewFile: // 新しいファイル
        return cp932 ? "\x90\x56\x82\xb5\x82\xa2\x83\x74\x83\x40\x83\x43\x83\x8b" : "新しいファイル";
    case ModelText::BuiltInSetName: // タングラム
        return cp932 ? "\x83\x5e\x83\x93\x83\x4f\x83\x89\x83\x80" : "タングラム";
    }
    return {};
}

} // namespace zol
