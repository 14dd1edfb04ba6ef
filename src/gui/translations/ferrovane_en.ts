<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja_JP">
<context>
    <name>ferrovane::gui::ColourSample</name>
    <message>
        <source>クリックで色を選びます</source>
        <translation>Click to choose a colour</translation>
    </message>
</context>
<context>
    <name>ferrovane::gui::DesignCheckDock</name>
    <message>
        <source>レイアウトの検査</source>
        <translation>Layout Check</translation>
    </message>
    <message>
        <source>種類</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>レール</source>
        <translation>Rail</translation>
    </message>
    <message>
        <source>数値</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>接続</source>
        <translation>Join</translation>
    </message>
</context>
<context>
    <name>ferrovane::gui::PointShapeControls</name>
    <message>
        <source>カーブポイントレール</source>
        <translation>Curved point</translation>
    </message>
    <message>
        <source>左向き</source>
        <translation>Left-hand</translation>
    </message>
    <message>
        <source>右向き</source>
        <translation>Right-hand</translation>
    </message>
</context>
<context>
    <name>ferrovane::gui::ToolWindow</name>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>ferrovane::gui::UserGuide</name>
    <message>
        <source>ユーザーズガイド(&amp;G)</source>
        <translation>User&apos;s &amp;Guide</translation>
    </message>
</context>
<context>
    <name>ferrovane::gui::frmAbout</name>
    <message>
        <source>カタログ通りの線路部品でレイアウトを設計するエディタです。</source>
        <translation>An editor for designing track layouts from catalogued pieces.</translation>
    </message>
    <message>
        <source>Web : %1&lt;br&gt;メール : %2</source>
        <translation>Web: %1&lt;br&gt;Mail: %2</translation>
    </message>
</context>
<context>
    <name>ferrovane::gui::frmAngle2</name>
    <message>
        <source>角度</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>度</source>
        <translation>degrees</translation>
    </message>
</context>
<context>
    <name>ferrovane::gui::frmChangeColor</name>
    <message>
        <source>レールの色の変更</source>
        <translation>Change Rail Colour</translation>
    </message>
    <message>
        <source>色 :</source>
        <translation>Colour:</translation>
    </message>
    <message>
        <source>変更</source>
        <translation>Change</translation>
    </message>
</context>
<context>
    <name>ferrovane::gui::frmCloseGap</name>
    <message>
        <source>すき間を埋める</source>
        <translation>Close Gap</translation>
    </message>
    <message>
        <source>敷設</source>
        <translation>Lay</translation>
    </message>
    <message>
        <source>フレキシブルレールで結ぶ</source>
        <translation>Join with Flexible Rail</translation>
    </message>
</context>
<context>
    <name>ferrovane::gui::frmDelete</name>
    <message>
        <source>レールや文字の削除</source>
        <translation>Delete Rails and Texts</translation>
    </message>
    <message>
        <source>クリックしたレールや文字を削除します。</source>
        <translation>Deletes the rail or text you click.</translation>
    </message>
</context>
<context>
    <name>ferrovane::gui::frmEditRail</name>
    <message>
        <source>レールの編集</source>
        <translation>Edit Rails</translation>
    </message>
    <message>
        <source>ストレートレール</source>
        <translation>Straight rail</translation>
    </message>
    <message>
        <source>カーブレール</source>
        <translation>Curved rail</translation>
    </message>
    <message>
        <source>ポイントレール</source>
        <translation>Point</translation>
    </message>
    <message>
        <source>編集したいレールを選んでください。</source>
        <translation>Choose the rail to edit.</translation>
    </message>
    <message>
        <source>レール追加(&amp;A)</source>
        <translation>&amp;Add Rail</translation>
    </message>
    <message>
        <source>レール削除(&amp;D)</source>
        <translation>&amp;Delete Rail</translation>
    </message>
    <message>
        <source>レール名の変更(&amp;R)</source>
        <translation>&amp;Rename Rail</translation>
    </message>
    <message>
        <source>登録 (&amp;G)</source>
        <translation>Re&amp;gister</translation>
    </message>
    <message>
        <source>レール色自動設定</source>
        <translation>Auto Rail Colours</translation>
    </message>
    <message>
        <source>レール色反映</source>
        <translation>Apply Rail Colours</translation>
    </message>
    <message>
        <source>保存して閉じる(&amp;E)</source>
        <translation>Sav&amp;e and Close</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>長さ :</source>
        <translation>Length:</translation>
    </message>
    <message>
        <source>半径 :</source>
        <translation>Radius:</translation>
    </message>
    <message>
        <source>角度 :</source>
        <translation>Angle:</translation>
    </message>
    <message>
        <source>表示色 :</source>
        <translation>Display colour:</translation>
    </message>
    <message>
        <source>地上レール</source>
        <translation>Ground level</translation>
    </message>
    <message>
        <source>高架レール</source>
        <translation>Elevated</translation>
    </message>
    <message>
        <source>両方</source>
        <translation>Both</translation>
    </message>
</context>
<context>
    <name>ferrovane::gui::frmEditRailBox</name>
    <message>
        <source>選択からレール箱を作る(&amp;M)...</source>
        <translation>&amp;Make Rail Box from Selection...</translation>
    </message>
    <message>
        <source>名前の変更(&amp;N)...</source>
        <translation>Re&amp;name...</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>保存して閉じる(&amp;S)</source>
        <translation>&amp;Save and Close</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>%1  (%2本)</source>
        <translation>%1  (%2 pieces)</translation>
    </message>
</context>
<context>
    <name>ferrovane::gui::frmInsertString</name>
    <message>
        <source>文字の挿入</source>
        <translation>Insert Text</translation>
    </message>
    <message>
        <source>挿入する文字 (半角80字以内) :</source>
        <translation>Text to insert (up to 80 characters):</translation>
    </message>
    <message>
        <source>フォント :</source>
        <translation>Font:</translation>
    </message>
    <message>
        <source>サイズ :</source>
        <translation>Size:</translation>
    </message>
    <message>
        <source>太字 (&amp;B)</source>
        <translation>&amp;Bold</translation>
    </message>
    <message>
        <source>斜体 (&amp;I)</source>
        <translation>&amp;Italic</translation>
    </message>
</context>
<context>
    <name>ferrovane::gui::frmLayoutInformation</name>
    <message>
        <source>レイアウト情報</source>
        <translation>Layout Information</translation>
    </message>
    <message>
        <source>閉じる (&amp;C)</source>
        <translation>&amp;Close</translation>
    </message>
</context>
<context>
    <name>ferrovane::gui::frmMain</name>
    <message>
        <source>ファイル(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>新規作成(&amp;N)</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>開く(&amp;O)...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>上書き保存(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>名前を付けて保存(&amp;A)...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>レール情報ファイルの変更(&amp;C)...</source>
        <translation>&amp;Change Catalogue...</translation>
    </message>
    <message>
        <source>画像として保存(&amp;B)...</source>
        <translation>Save as &amp;Bitmap...</translation>
    </message>
    <message>
        <source>印刷プリビュー &amp;&amp; 印刷(&amp;P)...</source>
        <translation>Print Preview &amp;&amp; &amp;Print...</translation>
    </message>
    <message>
        <source>PDFに書き出す...</source>
        <translation>Export to PDF...</translation>
    </message>
    <message>
        <source>SVGに書き出す...</source>
        <translation>Export to SVG...</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>編集(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>切り取り(&amp;T)</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>範囲選択(&amp;R)</source>
        <translation>Select &amp;Range</translation>
    </message>
    <message>
        <source>削除(&amp;D)...</source>
        <translation>&amp;Delete...</translation>
    </message>
    <message>
        <source>表示(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>再描画(&amp;R)</source>
        <translation>&amp;Redraw</translation>
    </message>
    <message>
        <source>グリッド(&amp;G)</source>
        <translation>&amp;Grid</translation>
    </message>
    <message>
        <source>目盛り(&amp;M)</source>
        <translation>Ruler &amp;Marks</translation>
    </message>
    <message>
        <source>座標の数値(&amp;N)</source>
        <translation>Coordinate &amp;Numbers</translation>
    </message>
    <message>
        <source>倍率(&amp;Z)</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>全体を表示(&amp;F)</source>
        <translation>&amp;Fit Whole Layout</translation>
    </message>
    <message>
        <source>倍率の指定(&amp;S)...</source>
        <translation>&amp;Set Zoom...</translation>
    </message>
    <message>
        <source>レール情報(&amp;I)</source>
        <translation>Rail &amp;Information</translation>
    </message>
    <message>
        <source>ツール(&amp;T)</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>フレキシブルレール(&amp;F)...</source>
        <translation>&amp;Flexible Rail...</translation>
    </message>
    <message>
        <source>文字の挿入(&amp;T)...</source>
        <translation>Insert &amp;Text...</translation>
    </message>
    <message>
        <source>レールの色の変更(&amp;C)...</source>
        <translation>Change Rail &amp;Colour...</translation>
    </message>
    <message>
        <source>レールの高架化(&amp;U)...</source>
        <translation>Ele&amp;vate Rails...</translation>
    </message>
    <message>
        <source>全体移動(&amp;M)...</source>
        <translation>&amp;Move Whole Layout...</translation>
    </message>
    <message>
        <source>レイアウトサイズの設定(&amp;L)...</source>
        <translation>&amp;Layout Size...</translation>
    </message>
    <message>
        <source>レイアウト情報(&amp;I)...</source>
        <translation>Layout &amp;Information...</translation>
    </message>
    <message>
        <source>総レール数の表示(&amp;S)...</source>
        <translation>&amp;Show Rail Count...</translation>
    </message>
    <message>
        <source>すき間を埋める...</source>
        <translation>Close Gap...</translation>
    </message>
    <message>
        <source>レイアウトの検査...</source>
        <translation>Check Layout...</translation>
    </message>
    <message>
        <source>レール情報の編集(&amp;E)...</source>
        <translation>&amp;Edit Catalogue...</translation>
    </message>
    <message>
        <source>ユーザーレールの作成(&amp;R)...</source>
        <translation>Make User &amp;Rail...</translation>
    </message>
    <message>
        <source>レール箱の編集(&amp;R)...</source>
        <translation>Edit Rail &amp;Box...</translation>
    </message>
    <message>
        <source>オプション(&amp;O)...</source>
        <translation>&amp;Options...</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>バージョン情報(&amp;A)...</source>
        <translation>&amp;About Ferrovane...</translation>
    </message>
    <message>
        <source>名前の変更(&amp;N)...</source>
        <translation>Re&amp;name...</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>なめらか表示</source>
        <translation>Smooth Lines</translation>
    </message>
</context>
<context>
    <name>ferrovane::gui::frmMakeFlex</name>
    <message>
        <source>フレキシブルレール</source>
        <translation>Flexible Rail</translation>
    </message>
    <message>
        <source>レール番号 :</source>
        <translation>Rail number:</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>ferrovane::gui::frmMakeUpper</name>
    <message>
        <source>レールの高架化</source>
        <translation>Elevate Rails</translation>
    </message>
    <message>
        <source>変換するレール :</source>
        <translation>Rail to convert:</translation>
    </message>
    <message>
        <source>変換後のレール :</source>
        <translation>Converted to:</translation>
    </message>
    <message>
        <source>賢い変換</source>
        <translation>Smart conversion</translation>
    </message>
    <message>
        <source>変換</source>
        <translation>Convert</translation>
    </message>
</context>
<context>
    <name>ferrovane::gui::frmMakeUserRail</name>
    <message>
        <source>ユーザーレールの作成</source>
        <translation>Make User Rail</translation>
    </message>
    <message>
        <source>長さ :</source>
        <translation>Length:</translation>
    </message>
    <message>
        <source>半径 :</source>
        <translation>Radius:</translation>
    </message>
    <message>
        <source>角度 :</source>
        <translation>Angle:</translation>
    </message>
    <message>
        <source>長さを設定してください。</source>
        <translation>Set the length.</translation>
    </message>
    <message>
        <source>半径を設定してください。</source>
        <translation>Set the radius.</translation>
    </message>
    <message>
        <source>角度を設定してください。</source>
        <translation>Set the angle.</translation>
    </message>
    <message>
        <source> 度</source>
        <translation> degrees</translation>
    </message>
    <message>
        <source>カーブポイントレールを作成する場合はチェックしてください。</source>
        <translation>Check to make a curved point.</translation>
    </message>
    <message>
        <source>作成</source>
        <translation>Make</translation>
    </message>
    <message>
        <source>このボタンを押すと作成します</source>
        <translation>Press to make the rail</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
</context>
<context>
    <name>ferrovane::gui::frmMoveAll</name>
    <message>
        <source>X 方向 :</source>
        <translation>X direction:</translation>
    </message>
    <message>
        <source>Y 方向 :</source>
        <translation>Y direction:</translation>
    </message>
    <message>
        <source>移動 (&amp;M)</source>
        <translation>&amp;Move</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>ferrovane::gui::frmOption</name>
    <message>
        <source>レール名</source>
        <translation>Rail name</translation>
    </message>
    <message>
        <source>レールの長さ</source>
        <translation>Rail length</translation>
    </message>
    <message>
        <source>レールの半径</source>
        <translation>Rail radius</translation>
    </message>
    <message>
        <source>レールの角度</source>
        <translation>Rail angle</translation>
    </message>
    <message>
        <source>レールの傾き(始点)</source>
        <translation>Rail direction (start)</translation>
    </message>
    <message>
        <source>レールの傾き(終点)</source>
        <translation>Rail direction (end)</translation>
    </message>
    <message>
        <source>レールの中心位置</source>
        <translation>Rail centre position</translation>
    </message>
    <message>
        <source>レールの端位置(１)</source>
        <translation>Rail end position (1)</translation>
    </message>
    <message>
        <source>レールの端位置(２)</source>
        <translation>Rail end position (2)</translation>
    </message>
    <message>
        <source>隣レールの番号(１)</source>
        <translation>Neighbour rail number (1)</translation>
    </message>
    <message>
        <source>隣レールの番号(２)</source>
        <translation>Neighbour rail number (2)</translation>
    </message>
    <message>
        <source>オプション</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>レール</source>
        <translation>Rails</translation>
    </message>
    <message>
        <source>レールの幅 :</source>
        <translation>Rail width:</translation>
    </message>
    <message>
        <source>センターサークルの大きさ :</source>
        <translation>Centre circle size:</translation>
    </message>
    <message>
        <source>標準レールの色(&amp;R) :</source>
        <translation>Standard &amp;rail colour:</translation>
    </message>
    <message>
        <source>ネクストレールの色(&amp;N) :</source>
        <translation>&amp;Next rail colour:</translation>
    </message>
    <message>
        <source>ハイライトレールの色(&amp;H):</source>
        <translation>&amp;Highlight rail colour:</translation>
    </message>
    <message>
        <source>フレキシブルレールの細かさ :</source>
        <translation>Flexible rail smoothness:</translation>
    </message>
    <message>
        <source>部分</source>
        <translation>parts</translation>
    </message>
    <message>
        <source>レールの端点認知範囲 :</source>
        <translation>Rail end snap range:</translation>
    </message>
    <message>
        <source>ピクセル</source>
        <translation>pixels</translation>
    </message>
    <message>
        <source>グリッド</source>
        <translation>Grid</translation>
    </message>
    <message>
        <source>ダブルクリックで変更</source>
        <translation>Double-click to change</translation>
    </message>
    <message>
        <source>グリッドの色 :</source>
        <translation>Grid colour:</translation>
    </message>
    <message>
        <source>横(&amp;H) :</source>
        <translation>&amp;Horizontal:</translation>
    </message>
    <message>
        <source>縦(&amp;V) :</source>
        <translation>&amp;Vertical:</translation>
    </message>
    <message>
        <source>スクロール</source>
        <translation>Scrolling</translation>
    </message>
    <message>
        <source>横(&amp;O) :</source>
        <translation>H&amp;orizontal:</translation>
    </message>
    <message>
        <source>縦(&amp;E) :</source>
        <translation>V&amp;ertical:</translation>
    </message>
    <message>
        <source>水平スクロールバー</source>
        <translation>Horizontal scroll bar</translation>
    </message>
    <message>
        <source>範囲選択中の自動スクロール</source>
        <translation>Scroll while selecting a range</translation>
    </message>
    <message>
        <source>ツールボックス</source>
        <translation>Tool Box</translation>
    </message>
    <message>
        <source>大きなツールボックス</source>
        <translation>Large tool box</translation>
    </message>
    <message>
        <source>小さなツールボックス</source>
        <translation>Small tool box</translation>
    </message>
    <message>
        <source>フォントサイズ :</source>
        <translation>Font size:</translation>
    </message>
    <message>
        <source>レール情報表示項目 :</source>
        <translation>Rail information shown:</translation>
    </message>
    <message>
        <source>ウィンドウ</source>
        <translation>Windows</translation>
    </message>
    <message>
        <source>起動時の表示倍率 :</source>
        <translation>Zoom at start:</translation>
    </message>
    <message>
        <source>精巧な角度選択ウィンドウ</source>
        <translation>Precise angle window</translation>
    </message>
    <message>
        <source>言語 :</source>
        <translation>Language:</translation>
    </message>
    <message>
        <source>(次回の起動から有効)</source>
        <translation>(takes effect at next start)</translation>
    </message>
    <message>
        <source>自動保存の間隔 :</source>
        <translation>Autosave every:</translation>
    </message>
    <message>
        <source>分 (0 : 保存しない)</source>
        <translation>minutes (0: never)</translation>
    </message>
    <message>
        <source>使用フォント</source>
        <translation>Window font</translation>
    </message>
    <message>
        <source>キャンセル(&amp;C)</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>ヘルプ (&amp;L)</source>
        <translation>He&amp;lp</translation>
    </message>
</context>
<context>
    <name>ferrovane::gui::frmPreview</name>
    <message>
        <source>Ferrovane - 印刷プリビュー</source>
        <translation>Ferrovane - Print Preview</translation>
    </message>
    <message>
        <source>縦向き</source>
        <translation>Portrait</translation>
    </message>
    <message>
        <source>横向き</source>
        <translation>Landscape</translation>
    </message>
    <message>
        <source>全体を1ページに</source>
        <translation>Whole layout on one page</translation>
    </message>
    <message>
        <source>全体</source>
        <translation>Whole</translation>
    </message>
    <message>
        <source>2倍</source>
        <translation>×2</translation>
    </message>
    <message>
        <source>4倍</source>
        <translation>×4</translation>
    </message>
    <message>
        <source>文字を印刷する</source>
        <translation>Print texts</translation>
    </message>
    <message>
        <source>2枚目にレール総計を印刷する</source>
        <translation>Print the rail totals on a second page</translation>
    </message>
    <message>
        <source>カラーで印刷する</source>
        <translation>Print in colour</translation>
    </message>
    <message>
        <source>目盛りを印刷する</source>
        <translation>Print ruler marks</translation>
    </message>
    <message>
        <source>グリッドを印刷する</source>
        <translation>Print the grid</translation>
    </message>
    <message>
        <source>自動範囲調整(&amp;A)</source>
        <translation>&amp;Adjust range automatically</translation>
    </message>
    <message>
        <source>レールのないページは印刷しない</source>
        <translation>Skip pages without rails</translation>
    </message>
    <message>
        <source>印刷 (&amp;P)</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>プリンタ :</source>
        <translation>Printer:</translation>
    </message>
    <message>
        <source>用紙 :</source>
        <translation>Paper:</translation>
    </message>
    <message>
        <source>向き :</source>
        <translation>Orientation:</translation>
    </message>
    <message>
        <source>縮尺 :</source>
        <translation>Scale:</translation>
    </message>
    <message>
        <source>プレビュー :</source>
        <translation>Preview:</translation>
    </message>
    <message>
        <source>ページ数 : %1  (%2 行 × %3 列)</source>
        <translation>Pages: %1  (%2 rows × %3 columns)</translation>
    </message>
</context>
<context>
    <name>ferrovane::gui::frmRailCount</name>
    <message>
        <source>総レール数の表示</source>
        <translation>Rail Count</translation>
    </message>
    <message>
        <source>クリップボードにコピー (&amp;P)</source>
        <translation>Co&amp;py to Clipboard</translation>
    </message>
    <message>
        <source>テキストで保存 (&amp;T)...</source>
        <translation>Save as &amp;Text...</translation>
    </message>
    <message>
        <source>CSVで保存 (&amp;V)...</source>
        <translation>Save as CS&amp;V...</translation>
    </message>
    <message>
        <source>閉じる (&amp;C)</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>このダイアログを閉じます</source>
        <translation>Closes this dialog</translation>
    </message>
</context>
<context>
    <name>ferrovane::gui::frmSetLayoutSize</name>
    <message>
        <source>幅 :</source>
        <translation>Width:</translation>
    </message>
    <message>
        <source>高さ :</source>
        <translation>Height:</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>ferrovane::gui::frmTool</name>
    <message>
        <source>端位置(1) : (-12345.6, -12345.6)</source>
        <translation>End position (1) : (-12345.6, -12345.6)</translation>
    </message>
    <message>
        <source>ツールボックス</source>
        <translation>Tool Box</translation>
    </message>
    <message>
        <source>長さ</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>半径</source>
        <translation>Radius</translation>
    </message>
    <message>
        <source>角度</source>
        <translation>Angle</translation>
    </message>
</context>
<context>
    <name>ferrovane::gui::frmWelcome</name>
    <message>
        <source>Ver %1.%2.%3 — 線路レイアウト設計エディタ</source>
        <translation>Ver %1.%2.%3 — track layout editor</translation>
    </message>
    <message>
        <source>新しいレイアウトを始める(&amp;N)</source>
        <translation>Start a &amp;New Layout</translation>
    </message>
</context>
<context>
    <name>ferrovane::gui::frmZoom</name>
    <message>
        <source>倍率の指定</source>
        <translation>Set Zoom</translation>
    </message>
    <message>
        <source>倍率 :</source>
        <translation>Zoom:</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Warning</translation>
    </message>
</context>
</TS>
