<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>zol::ActionGuard</name>
    <message>
        <source>メモリが不足しています。</source>
        <translation>Out of memory.</translation>
    </message>
    <message>
        <source>不明なエラーが発生しました。</source>
        <translation>An unknown error occurred.</translation>
    </message>
</context>
<context>
    <name>zol::HelpWindow</name>
    <message>
        <source> ヘルプ</source>
        <translation> Help</translation>
    </message>
    <message>
        <source>戻る</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>進む</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>目次</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>ヘルプファイル %1 が見つかりません。</source>
        <translation>The help file %1 cannot be found.</translation>
    </message>
</context>
<context>
    <name>zol::MessageDialogs</name>
    <message>
        <source>はい(&amp;Y)</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>いいえ(&amp;N)</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>パズルシートの保存先</source>
        <translation>Save the puzzle sheets as</translation>
    </message>
    <message>
        <source>PDFファイル|*.pdf</source>
        <translation>PDF files|*.pdf</translation>
    </message>
</context>
<context>
    <name>zol::Prompter</name>
    <message>
        <source>%1 の次の行は赤,緑,青の10進の整数ではないため、その色を読み込みませんでした。
</source>
        <translation>These lines of %1 are not red,green,blue as decimal integers, so their colours were not read.
</translation>
    </message>
    <message>
        <source>
%1 行目: %2</source>
        <translation>
line %1: %2</translation>
    </message>
    <message>
        <source>
ほか %1 行</source>
        <translation>
and %1 more lines</translation>
    </message>
    <message>
        <source>rgbdata.txtが見つからないか、またはファイルが空です。</source>
        <translation>rgbdata.txt cannot be found, or the file is empty.</translation>
    </message>
    <message>
        <source>指定されたファイルが見つかりませんでした。</source>
        <translation>The file cannot be found.</translation>
    </message>
    <message>
        <source>未対応のバージョンのzolファイルか、またはpltファイルが見つかりませんでした。</source>
        <translation>The zol file is of a version this editor does not read, or its plt file cannot be found.</translation>
    </message>
    <message>
        <source>Zol2.13よりも前に作られたzolファイルのようです。

ファイルを新しいバージョンの形式に書き換えますか？</source>
        <translation>This zol file seems to have been made before Zol 2.13.

Rewrite the file in the format of the new version?</translation>
    </message>
    <message>
        <source>未対応のバージョンか、または異なるピースセットのファイルです。</source>
        <translation>The file is of a version this editor does not read, or of another piece set.</translation>
    </message>
    <message>
        <source>あう～

.pltファイルが見つからへんかったのん、

堪忍したってな。</source>
        <translation>Oh dear...

The .plt file could not be found.

Sorry about that.</translation>
    </message>
    <message>
        <source>pltファイルが未対応のバージョンのものでした。</source>
        <translation>The plt file is of a version this editor does not read.</translation>
    </message>
    <message>
        <source>pltファイルがZol2.13よりも前に使われていたもののようです。

ファイルを新しいバージョンの形式に書き換えますか？</source>
        <translation>This plt file seems to have been used before Zol 2.13.

Rewrite the file in the format of the new version?</translation>
    </message>
    <message>
        <source>設定を書き込めませんでした。</source>
        <translation>The settings could not be written.</translation>
    </message>
</context>
<context>
    <name>zol::PuzzleSheetDialog</name>
    <message>
        <source>解答のページを付ける(&amp;S)</source>
        <translation>Add the &amp;solution pages</translation>
    </message>
    <message>
        <source>パズルシートを印刷用PDFに</source>
        <translation>Puzzle Sheets as a PDF for Printing</translation>
    </message>
    <message>
        <source>参照(&amp;B)…</source>
        <translation>&amp;Browse…</translation>
    </message>
    <message>
        <source>保存先(&amp;F):</source>
        <translation>&amp;File:</translation>
    </message>
    <message>
        <source>1ページの図形の数(&amp;P):</source>
        <translation>Figures &amp;per page:</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>zol::ShowFolder</name>
    <message>
        <source>フォルダを表示するファイルブラウザが見つかりません。
</source>
        <translation>No file browser to show the folder was found.
</translation>
    </message>
</context>
<context>
    <name>zol::TAboutBox</name>
    <message>
        <source>バージョン情報</source>
        <translation>Version Information</translation>
    </message>
</context>
<context>
    <name>zol::TActVForm</name>
    <message>
        <source>photoA.jpg: 和紙の地紋</source>
        <translation>photoA.jpg: washi paper</translation>
    </message>
    <message>
        <source>photoB.jpg: 水墨の空</source>
        <translation>photoB.jpg: ink-wash sky</translation>
    </message>
    <message>
        <source>（画: Zol editor project）</source>
        <translation> (picture: Zol editor project)</translation>
    </message>
    <message>
        <source>クリックして移動</source>
        <translation>Click to move</translation>
    </message>
    <message>
        <source>只今再生中のzolファイル</source>
        <translation>The zol file now playing</translation>
    </message>
    <message>
        <source>ストップ／再生</source>
        <translation>Stop / Play</translation>
    </message>
    <message>
        <source>一つ進む</source>
        <translation>One forward</translation>
    </message>
    <message>
        <source>一つ戻る</source>
        <translation>One back</translation>
    </message>
    <message>
        <source>クレジット</source>
        <translation>Credit</translation>
    </message>
</context>
<context>
    <name>zol::TColorCustamizeDialog</name>
    <message>
        <source>カラーカスタマイズ</source>
        <translation>Colour Customizing</translation>
    </message>
    <message>
        <source>背景色</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>黒</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>白</source>
        <translation>White</translation>
    </message>
    <message>
        <source>地色</source>
        <translation>Window</translation>
    </message>
    <message>
        <source>色を選ぶ</source>
        <translation>Pick…</translation>
    </message>
    <message>
        <source>登録</source>
        <translation>Register</translation>
    </message>
    <message>
        <source>呼び出し</source>
        <translation>Recall</translation>
    </message>
    <message>
        <source>色相(H)</source>
        <translation>Hue (H)</translation>
    </message>
    <message>
        <source>彩度(S)</source>
        <translation>Satur. (S)</translation>
    </message>
    <message>
        <source>明度(V)</source>
        <translation>Value (V)</translation>
    </message>
</context>
<context>
    <name>zol::TColorSelecterForm</name>
    <message>
        <source>色の選択</source>
        <translation>Choose a Colour</translation>
    </message>
</context>
<context>
    <name>zol::TRpcalForm</name>
    <message>
        <source> ‐ 円弧上の座標計算機</source>
        <translation> ‐ Points on an Arc</translation>
    </message>
    <message>
        <source>計算点数</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>開始角度</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>終了角度</source>
        <translation>End</translation>
    </message>
    <message>
        <source>円の中心座標(</source>
        <translation>Centre (</translation>
    </message>
    <message>
        <source>基準ベクトル(</source>
        <translation>Vector (</translation>
    </message>
    <message>
        <source>▼▲結果▼▲</source>
        <translation>▼▲Result▼▲</translation>
    </message>
    <message>
        <source>計算点数が多すぎます（%1 点まで）。</source>
        <translation>Too many points (%1 at most).</translation>
    </message>
    <message>
        <source>座標が -2147483648～2147483647 の範囲を超えます。</source>
        <translation>A coordinate goes beyond -2147483648 to 2147483647.</translation>
    </message>
</context>
<context>
    <name>zol::TZolForm</name>
    <message>
        <source>新規作成(&amp;N)</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>新規作成</source>
        <translation>New</translation>
    </message>
    <message>
        <source>開く(&amp;O)</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>開く</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>追加読み込み(&amp;M)</source>
        <translation>&amp;Merge</translation>
    </message>
    <message>
        <source>別ファイルのシルエットをリストに追加</source>
        <translation>Add the silhouettes of another file to the list</translation>
    </message>
    <message>
        <source>名前を付けて保存(&amp;A)</source>
        <translation>Save &amp;As</translation>
    </message>
    <message>
        <source>上書き保存(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>上書き保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>パズルシートを印刷用PDFに(&amp;P)…</source>
        <translation>&amp;Puzzle Sheets as a PDF…</translation>
    </message>
    <message>
        <source>図形をパズルシートにして印刷用のPDFに書き出す</source>
        <translation>Write the figures as puzzle sheets to a PDF for printing</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>アプリケーションの終了</source>
        <translation>Quit the application</translation>
    </message>
    <message>
        <source>フォルダを開く</source>
        <translation>Open Folder</translation>
    </message>
    <message>
        <source>gTansの図形を読み込む(&amp;G)…</source>
        <translation>Import &amp;gTans Figures…</translation>
    </message>
    <message>
        <source>gTansの図形集を新しいファイルとして読み込む</source>
        <translation>Read a gTans collection as a new file</translation>
    </message>
    <message>
        <source>gTans形式で書き出す(&amp;T)…</source>
        <translation>Export in g&amp;Tans Format…</translation>
    </message>
    <message>
        <source>リストの図形をgTansの図形集として書き出す</source>
        <translation>Write the figures of the list as a gTans collection</translation>
    </message>
    <message>
        <source>リストに追加(&amp;A)</source>
        <translation>&amp;Add to List</translation>
    </message>
    <message>
        <source>編集中の形をリストに追加</source>
        <translation>Add the figure being edited to the list</translation>
    </message>
    <message>
        <source>破棄(&amp;B)</source>
        <translation>&amp;Break</translation>
    </message>
    <message>
        <source>最初からやり直す</source>
        <translation>Start over</translation>
    </message>
    <message>
        <source>アンドゥ(&amp;U)</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>１ステップ戻す</source>
        <translation>One step back</translation>
    </message>
    <message>
        <source>リドゥ(&amp;R)</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>１ステップ進める</source>
        <translation>One step forward</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>エディット(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>形の編集</source>
        <translation>Edit the figure</translation>
    </message>
    <message>
        <source>下に移動</source>
        <translation>Move Down</translation>
    </message>
    <message>
        <source>１つ下に移動</source>
        <translation>Move one down</translation>
    </message>
    <message>
        <source>上に移動</source>
        <translation>Move Up</translation>
    </message>
    <message>
        <source>１つ上に移動</source>
        <translation>Move one up</translation>
    </message>
    <message>
        <source>文字列でソート(&amp;S)</source>
        <translation>&amp;Sort by Caption</translation>
    </message>
    <message>
        <source>大雑把(&amp;R)</source>
        <translation>&amp;Rough</translation>
    </message>
    <message>
        <source>ほどほど(&amp;M)</source>
        <translation>&amp;Moderate</translation>
    </message>
    <message>
        <source>神経質(&amp;D)</source>
        <translation>&amp;Detailed</translation>
    </message>
    <message>
        <source>ピースセットの変更</source>
        <translation>Change the piece set</translation>
    </message>
    <message>
        <source>白‐黒</source>
        <translation>White‐Black</translation>
    </message>
    <message>
        <source>黒‐白</source>
        <translation>Black‐White</translation>
    </message>
    <message>
        <source>黒‐乱枯葉</source>
        <translation>Black‐Random Autumn Leaves</translation>
    </message>
    <message>
        <source>黒‐乱新緑</source>
        <translation>Black‐Random Fresh Green</translation>
    </message>
    <message>
        <source>黒‐乱葡萄</source>
        <translation>Black‐Random Grape</translation>
    </message>
    <message>
        <source>黒‐乱朱</source>
        <translation>Black‐Random Vermilion</translation>
    </message>
    <message>
        <source>透明‐黒</source>
        <translation>Clear‐Black</translation>
    </message>
    <message>
        <source>カスタマイズ</source>
        <translation>Customize</translation>
    </message>
    <message>
        <source>パレットのカスタマイズ</source>
        <translation>Customize the palette</translation>
    </message>
    <message>
        <source>ガイド画像アンチエイリアスの入切(&amp;A)</source>
        <translation>Guide Image &amp;Antialiasing</translation>
    </message>
    <message>
        <source>ガイド画像のアンチエイリアス切り換え</source>
        <translation>Switch the guide image&apos;s antialiasing</translation>
    </message>
    <message>
        <source>ガイド画像をクリップボードへ(&amp;G)</source>
        <translation>&amp;Guide Image to Clipboard</translation>
    </message>
    <message>
        <source>ガイド画像をクリップボードへ</source>
        <translation>Guide image to the clipboard</translation>
    </message>
    <message>
        <source>画像をクリップボードへ(&amp;M)</source>
        <translation>I&amp;mage to Clipboard</translation>
    </message>
    <message>
        <source>画像をクリップボードへ</source>
        <translation>Image to the clipboard</translation>
    </message>
    <message>
        <source>オプションツールバーの入切(&amp;O)</source>
        <translation>&amp;Option Tool Bar</translation>
    </message>
    <message>
        <source>オプションツールバーの表示切り換え</source>
        <translation>Show or hide the option tool bar</translation>
    </message>
    <message>
        <source>アクティブ・ビューワ(&amp;V)</source>
        <translation>Active &amp;Viewer</translation>
    </message>
    <message>
        <source>HTMLカタログの作成(&amp;H)</source>
        <translation>&amp;HTML Catalogue</translation>
    </message>
    <message>
        <source>円弧上の座標計算機</source>
        <translation>Points on an Arc</translation>
    </message>
    <message>
        <source>バージョン情報(&amp;I)</source>
        <translation>Version &amp;Information</translation>
    </message>
    <message>
        <source>ヘルプの目次(&amp;Q)</source>
        <translation>Help &amp;Contents</translation>
    </message>
    <message>
        <source>テーブル表示</source>
        <translation>Table view</translation>
    </message>
    <message>
        <source>（変更）</source>
        <translation> (modified)</translation>
    </message>
    <message>
        <source>ファイル(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>編集(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>やり直し</source>
        <translation>Start over</translation>
    </message>
    <message>
        <source>アンドゥ</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>リドゥ</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>ニュアンスでソート(&amp;N)</source>
        <translation>Sort by &amp;Nuance</translation>
    </message>
    <message>
        <source>オプション(&amp;O)</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>パレット変更(&amp;P)</source>
        <translation>&amp;Palette</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>パレットの設定と更新</source>
        <translation>Set and renew the palette</translation>
    </message>
    <message>
        <source>パレットの変更</source>
        <translation>Change the palette</translation>
    </message>
    <message>
        <source>画像のコピー倍率</source>
        <translation>Magnification of the copied image</translation>
    </message>
    <message>
        <source>ピースの反転感度</source>
        <translation>Sensitivity of flipping a piece</translation>
    </message>
    <message>
        <source>HTMLファイルと画像フォルダーは、zolファイルと同じフォルダに作成されます。</source>
        <translation>The HTML file and the picture folder are made in the folder of the zol file.</translation>
    </message>
    <message>
        <source>HTMLカタログの保存先</source>
        <translation>Save the HTML catalogue as</translation>
    </message>
    <message>
        <source>HTMLファイル|*.htm</source>
        <translation>HTML files|*.htm</translation>
    </message>
    <message>
        <source>png画像出力に失敗しました。</source>
        <translation>Writing the png pictures failed.</translation>
    </message>
    <message>
        <source>カタログが完成しました。
HTMLファイルが作成されたフォルダーをエクスプローラで開きますか？</source>
        <translation>The catalogue is complete.
Open the folder of the HTML file in the file manager?</translation>
    </message>
    <message>
        <source>
はすでに存在します。

上書きしますか？</source>
        <translation>
already exists.

Replace it?</translation>
    </message>
    <message>
        <source>ファイルの内容が変わっています。

保存しますか？</source>
        <translation>The file has changed.

Save it?</translation>
    </message>
    <message>
        <source>Zolファイル|*.zol</source>
        <translation>Zol files|*.zol</translation>
    </message>
    <message>
        <source>%1番目の図形の配置を読み込めません。
</source>
        <translation>The placement of figure %1 cannot be read.
</translation>
    </message>
    <message>
        <source>Zolファイル|*.zol|すべてのファイル|*.*</source>
        <translation>Zol files|*.zol|All files|*.*</translation>
    </message>
    <message>
        <source>gTansの図形|*.figures|すべてのファイル|*.*</source>
        <translation>gTans figures|*.figures|All files|*.*</translation>
    </message>
    <message>
        <source>%1 個の図形を読み込みました。
頂点の位置のずれは最大 %2 ピクセルです。</source>
        <translation>%1 figures read.
The vertices are at most %2 pixels off.</translation>
    </message>
    <message>
        <source>%1 個の図形を書き出しました。
%2</source>
        <translation>%1 figures written.
%2</translation>
    </message>
    <message>
        <source>自動</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>表示する言語は次回の起動から切り替わります。</source>
        <translation>The language changes the next time the editor starts.</translation>
    </message>
    <message>
        <source>ピース形状ファイル|*.plt</source>
        <translation>Piece-set files|*.plt</translation>
    </message>
    <message>
        <source>パズルシートのPDFを書き出しました（%1ページ）。
%2</source>
        <translation>The puzzle sheets&apos; PDF is written (%1 pages).
%2</translation>
    </message>
    <message>
        <source>設定を保存できませんでした。
</source>
        <translation>The settings could not be saved.
</translation>
    </message>
    <message>
        <source>メモリが確保できません。
アプリケーションは終了します。</source>
        <translation>Out of memory.
The application ends.</translation>
    </message>
    <message>
        <source>文書の文字コードで表せない文字は入力できません。</source>
        <translation>Characters the document&apos;s encoding cannot hold cannot be typed.</translation>
    </message>
    <message>
        <source>SVGで書き出す(&amp;V)…</source>
        <translation>Export as S&amp;VG…</translation>
    </message>
    <message>
        <source>リストの図形を1つずつSVGファイルに書き出す</source>
        <translation>Write each figure of the list to an SVG file of its own</translation>
    </message>
    <message>
        <source>重複する図形を探す(&amp;D)…</source>
        <translation>Find Du&amp;plicate Figures…</translation>
    </message>
    <message>
        <source>同じシルエットの図形をリストから探す</source>
        <translation>Find the figures of the list that share one silhouette</translation>
    </message>
    <message>
        <source>この図形の別解を探す…</source>
        <translation>Find Other Solutions of This Figure…</translation>
    </message>
    <message>
        <source>選んだ図形のシルエットになるピースの置き方をすべて探す</source>
        <translation>Find every placement of the pieces that makes the selected figure&apos;s silhouette</translation>
    </message>
    <message>
        <source>パズルに挑戦(&amp;Z)</source>
        <translation>Play as a Pu&amp;zzle</translation>
    </message>
    <message>
        <source>選んだ図形のシルエットをパズルとして解く</source>
        <translation>Solve the selected figure&apos;s silhouette as a puzzle</translation>
    </message>
    <message>
        <source>ヒント(&amp;H)</source>
        <translation>Hin&amp;t</translation>
    </message>
    <message>
        <source>ピースを１つ正しい位置に置く</source>
        <translation>Put one piece where it belongs</translation>
    </message>
    <message>
        <source>パズルをやめる</source>
        <translation>Leave the Puzzle</translation>
    </message>
    <message>
        <source>パズルをやめて元の形に戻す</source>
        <translation>Leave the puzzle and bring back the board as it was</translation>
    </message>
    <message>
        <source>完成！

タイム %1
ヒント %2回</source>
        <translation>Solved!

Time %1
Hints %2</translation>
    </message>
    <message>
        <source>見つかりませんでした。</source>
        <translation>None found.</translation>
    </message>
    <message>
        <source>重複する図形</source>
        <translation>Duplicate Figures</translation>
    </message>
    <message>
        <source>この図形はピースで作れません。</source>
        <translation>The pieces cannot make this figure.</translation>
    </message>
    <message>
        <source>解が見つかりませんでした。</source>
        <translation>No solution was found.</translation>
    </message>
    <message>
        <source>解 %1</source>
        <translation>Solution %1</translation>
    </message>
    <message>
        <source>別解（%1 通り）</source>
        <translation>Solutions (%1)</translation>
    </message>
    <message>
        <source>別解（%1 通り、探索は途中まで）</source>
        <translation>Solutions (%1, the search did not finish)</translation>
    </message>
    <message>
        <source>別解を探しています…</source>
        <translation>Looking for solutions…</translation>
    </message>
    <message>
        <source>中止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>別解を探す</source>
        <translation>Find Solutions</translation>
    </message>
    <message>
        <source>別解を探しています… %1 通り</source>
        <translation>Looking for solutions… %1 found</translation>
    </message>
    <message>
        <source>%1 個のSVGファイルを書き出しました。
フォルダーを開きますか？</source>
        <translation>%1 SVG files were written.
Open the folder?</translation>
    </message>
    <message>
        <source>ヒント %1</source>
        <translation>Hints %1</translation>
    </message>
    <message>
        <source>SVGファイルの保存先</source>
        <translation>Save the SVG files as</translation>
    </message>
    <message>
        <source>SVGファイル|*.svg</source>
        <translation>SVG files|*.svg</translation>
    </message>
    <message>
        <source>SVGファイルはフォルダー「%1」に作成されます。</source>
        <translation>The SVG files are written into the folder &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>
同じ名前のファイルは置き換えられます。</source>
        <translation>
Files of the same names are replaced.</translation>
    </message>
    <message>
        <source>ピースをパレットの色で書き出しますか？
「いいえ」を選ぶと、シルエットだけを書き出します。</source>
        <translation>Draw the pieces in the palette&apos;s colours?
Choose &quot;No&quot; to write the silhouettes alone.</translation>
    </message>
</context>
</TS>
