<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>KivController</name>
    <message id="ErrorTitle0001">
        <source>Cannot Open the File</source>
        <translation>ファイルを開けません</translation>
    </message>
    <message id="ErrorMsg0001">
        <source>The file cannot be opened, or it is not an MPO or JPEG file that this program can read.</source>
        <translation>ファイルを開けないか、このプログラムで読めるMPOファイルまたはJPEGファイルではありません。</translation>
    </message>
    <message id="ErrorTitle0002">
        <source>Cannot Save the Picture</source>
        <translation>画像を保存できません</translation>
    </message>
    <message id="ErrorMsg0002">
        <source>There is not enough free space in the save folder, or a file cannot be created there.</source>
        <translation>保存先フォルダの空き容量が足りないか、そこにファイルを作成できません。</translation>
    </message>
    <message id="ErrorTitle0004">
        <source>Cannot Write the Picture</source>
        <translation>画像を書き込めません</translation>
    </message>
    <message id="ErrorMsg0004">
        <source>The save folder cannot be used, or writing a picture failed.</source>
        <translation>保存先フォルダを使えないか、画像の書き込みに失敗しました。</translation>
    </message>
    <message id="ErrorTitle0005">
        <source>Cannot Read the Picture</source>
        <translation>画像を読み込めません</translation>
    </message>
    <message id="ErrorMsg0005">
        <source>The picture cannot be read from the file.</source>
        <translation>ファイルから画像を読み込めません。</translation>
    </message>
</context>
<context>
    <name>Viewer</name>
    <message id="MenuOpenRecent">
        <source>Open &amp;Recent</source>
        <translation>最近使ったファイル(&amp;R)</translation>
    </message>
    <message id="MenuEdit">
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message id="MenuCopyPicture">
        <source>&amp;Copy Picture</source>
        <translation>画像をコピー(&amp;C)</translation>
    </message>
    <message id="MenuNextFile">
        <source>Next &amp;File</source>
        <translation>次のファイル(&amp;F)</translation>
    </message>
    <message id="MenuPreviousFile">
        <source>Previous F&amp;ile</source>
        <translation>前のファイル(&amp;I)</translation>
    </message>
    <message id="MenuFirstFile">
        <source>F&amp;irst File</source>
        <translation>最初のファイル</translation>
    </message>
    <message id="MenuLastFile">
        <source>&amp;Last File</source>
        <translation>最後のファイル(&amp;L)</translation>
    </message>
    <message id="MenuZoomIn">
        <source>Zoom &amp;In</source>
        <translation>拡大(&amp;I)</translation>
    </message>
    <message id="MenuZoomOut">
        <source>Zoom &amp;Out</source>
        <translation>縮小(&amp;O)</translation>
    </message>
    <message id="MenuActualSize">
        <source>&amp;Actual Size (100 %)</source>
        <translation>実際のサイズ (100 %)(&amp;A)</translation>
    </message>
    <message id="MenuFitToWindow">
        <source>Fit to &amp;Window</source>
        <translation>ウィンドウに合わせる(&amp;W)</translation>
    </message>
    <message id="MenuInformation">
        <source>&amp;Information</source>
        <translation>情報(&amp;I)</translation>
    </message>
    <message id="StatusZoomFit">
        <source>Fit</source>
        <translation>全体表示</translation>
    </message>
    <message id="ZoomTooLarge">
        <source>The picture is too large to show at %1 %</source>
        <translation>この画像は大きすぎて %1 % では表示できません</translation>
    </message>
    <message id="StatusLastFile">
        <source>This is the last picture file in the folder</source>
        <translation>フォルダ内の最後の画像ファイルです</translation>
    </message>
    <message id="StatusFirstFile">
        <source>This is the first picture file in the folder</source>
        <translation>フォルダ内の最初の画像ファイルです</translation>
    </message>
    <message id="StatusRecentMissing">
        <source>The file is gone and was removed from the recent files: %1</source>
        <translation>ファイルが見つからないため、最近使ったファイルから削除しました: %1</translation>
    </message>
    <message id="StatusNothingToCopy">
        <source>No picture to copy</source>
        <translation>コピーする画像がありません</translation>
    </message>
    <message id="StatusPictureCopied">
        <source>Picture copied (%1 × %2)</source>
        <translation>画像をコピーしました (%1 × %2)</translation>
    </message>
    <message id="InfoPanelTitle">
        <source>Information</source>
        <translation>情報</translation>
    </message>
    <message id="InfoMPIndex">
        <source>MP index</source>
        <translation>MPインデックス</translation>
    </message>
    <message id="InfoNone">
        <source>—</source>
        <translation>—</translation>
    </message>
    <message id="ResultPathUnexamined">
        <source>cannot be found or examined</source>
        <translation>見つからないか、調べられません</translation>
    </message>
    <message id="ResultCannotOpen">
        <source>cannot be opened</source>
        <translation>開けません</translation>
    </message>
    <message id="ResultRefused">
        <source>is not an MPO file this program can read</source>
        <translation>このプログラムで読めるMPOファイルではありません</translation>
    </message>
    <message id="ResultNoSuchPicture">
        <source>has no picture with the number asked for</source>
        <translation>指定された番号の画像がありません</translation>
    </message>
    <message id="ResultWriteFailed">
        <source>cannot be split: the save folder cannot be used, or writing a picture failed</source>
        <translation>分割できません: 保存先フォルダーが使えないか、画像の書き込みに失敗しました</translation>
    </message>
    <message id="ResultNoRoom">
        <source>cannot be split: not enough free space, or no file can be created in the save folder</source>
        <translation>分割できません: 空き容量が足りないか、保存先フォルダーにファイルを作成できません</translation>
    </message>
    <message id="ResultUnreachable">
        <source>has a picture that cannot be read</source>
        <translation>読み込めない画像があります</translation>
    </message>
    <message id="ResultJoinInputRefused">
        <source>cannot be read, or is no complete JPEG picture</source>
        <translation>読み込めないか、完全なJPEG画像ではありません</translation>
    </message>
    <message id="ResultJoinTooLarge">
        <source>cannot be joined: the pictures are too many or too large for an MP index</source>
        <translation>結合できません: 画像が多すぎるか、MPインデックスには大きすぎます</translation>
    </message>
    <message id="ResultJoinWriteFailed">
        <source>cannot be written: its name is taken, its folder cannot be used, or the disk is full</source>
        <translation>書き込めません: 名前が使用済みか、フォルダーが使えないか、ディスクがいっぱいです</translation>
    </message>
    <message id="ResultUnknown">
        <source>cannot be read (an unknown failure)</source>
        <translation>読み込めません (不明なエラー)</translation>
    </message>
    <message id="CauseIndexOutsideFile">
        <source>has an MP index that points outside the file, or lists its pictures out of order</source>
        <translation>MPインデックスがファイルの外を指しているか、画像の順序が正しくありません</translation>
    </message>
    <message id="CauseFolderUnusable">
        <source>cannot be split: the save folder does not exist or cannot be used</source>
        <translation>分割できません: 保存先フォルダーが存在しないか、使えません</translation>
    </message>
    <message id="CauseNotAPicture">
        <source>has an MP index entry whose data is not a whole JPEG picture</source>
        <translation>データが完全なJPEG画像ではないMPインデックスのエントリがあります</translation>
    </message>
    <message id="CauseCopyFailed">
        <source>cannot be split: reading or writing a picture failed</source>
        <translation>分割できません: 画像の読み込みまたは書き込みに失敗しました</translation>
    </message>
    <message id="CauseDiskFull">
        <source>cannot be split: the disk is full</source>
        <translation>分割できません: ディスクがいっぱいです</translation>
    </message>
    <message id="CauseNotEnoughRoom">
        <source>cannot be split: not enough free space for a picture</source>
        <translation>分割できません: 画像を保存する空き容量が足りません</translation>
    </message>
    <message id="CauseNoOutputFile">
        <source>cannot be split: no file can be created in the save folder</source>
        <translation>分割できません: 保存先フォルダーにファイルを作成できません</translation>
    </message>
    <message id="CausePictureTooLarge">
        <source>has a picture too large to be held in memory (2 GiB or more)</source>
        <translation>メモリーに保持できないほど大きい画像があります (2 GiB 以上)</translation>
    </message>
    <message id="CauseStartsPastEnd">
        <source>has a picture that starts where the file ends, or beyond (the file is cut short)</source>
        <translation>ファイルの終わりかそれより後から始まる画像があります (ファイルが途中で切れています)</translation>
    </message>
    <message id="CausePathTooLong">
        <source>cannot be opened: its path is 1,024 bytes or longer</source>
        <translation>開けません: パスが 1,024 バイト以上あります</translation>
    </message>
    <message id="CauseNameTooShort">
        <source>cannot be opened: its name is too short to name its pictures after (fewer than four characters)</source>
        <translation>開けません: 名前が短すぎて画像の名前に使えません (4 文字未満)</translation>
    </message>
    <message id="CauseNotAFile">
        <source>cannot be opened: it is a folder, a device, a pipe or a socket, not a file</source>
        <translation>開けません: ファイルではなく、フォルダー、デバイス、パイプまたはソケットです</translation>
    </message>
    <message id="CauseReadFailed">
        <source>cannot be read: the disk or the file system failed (an I/O error)</source>
        <translation>読み込めません: ディスクまたはファイルシステムが失敗しました (入出力エラー)</translation>
    </message>
    <message id="CauseNameTooLong">
        <source>cannot be split: a picture&apos;s name would be longer than the save folder&apos;s file system allows</source>
        <translation>分割できません: 画像の名前が保存先のファイルシステムで使える長さを超えます</translation>
    </message>
    <message id="PanelNameLostTitle">
        <source>The File Cannot Be Opened from the Panel</source>
        <translation>パネルからファイルを開けません</translation>
    </message>
    <message id="PanelNameLost">
        <source>The open panel cannot hand over the name of “%1”, which is not written in UTF-8. Open the file from the command line or drag it onto the window.</source>
        <translation>「%1」の名前はUTF-8で書かれていないため、ファイルを開くパネルから渡せません。コマンドラインから開くか、ウインドウにドラッグしてください。</translation>
    </message>
    <message id="InfoNoMPIndex">
        <source>None: the file %1</source>
        <translation>なし: %1</translation>
    </message>
    <message id="InfoEntry">
        <source>Entry %1</source>
        <translation>エントリ %1</translation>
    </message>
    <message id="InfoEntryShown">
        <source> (shown)</source>
        <translation> (表示中)</translation>
    </message>
    <message id="InfoEntryValue">
        <source>%1
%2
%3 bytes at %4</source>
        <translation>%1
%2
%3 バイト、位置 %4</translation>
    </message>
    <message id="InfoFlagParent">
        <source>dependent parent</source>
        <translation>従属親画像</translation>
    </message>
    <message id="InfoFlagChild">
        <source>dependent child</source>
        <translation>従属子画像</translation>
    </message>
    <message id="InfoFlagRepresentative">
        <source>representative</source>
        <translation>代表画像</translation>
    </message>
    <message id="InfoMPAttributes">
        <source>MP attributes</source>
        <translation>MP属性</translation>
    </message>
    <message id="InfoIndividualNumber">
        <source>Individual picture number</source>
        <translation>個別画像番号</translation>
    </message>
    <message id="InfoBaseViewpoint">
        <source>Base viewpoint</source>
        <translation>基準視点番号</translation>
    </message>
    <message id="InfoConvergenceAngle">
        <source>Convergence angle</source>
        <translation>輻輳角</translation>
    </message>
    <message id="InfoBaselineLength">
        <source>Baseline length</source>
        <translation>基線長</translation>
    </message>
    <message id="InfoExif">
        <source>Exif</source>
        <translation>Exif</translation>
    </message>
    <message id="InfoPictureUnreadable">
        <source>The picture cannot be read</source>
        <translation>画像を読み込めません</translation>
    </message>
    <message id="InfoPixelSize">
        <source>Pixel size</source>
        <translation>ピクセルサイズ</translation>
    </message>
    <message id="InfoNoExif">
        <source>No Exif data</source>
        <translation>Exifデータがありません</translation>
    </message>
    <message id="InfoExifDamaged">
        <source>The Exif data is damaged</source>
        <translation>Exifデータが壊れています</translation>
    </message>
    <message id="InfoMaker">
        <source>Maker</source>
        <translation>メーカー</translation>
    </message>
    <message id="InfoModel">
        <source>Model</source>
        <translation>機種</translation>
    </message>
    <message id="InfoDateTaken">
        <source>Date taken</source>
        <translation>撮影日時</translation>
    </message>
    <message id="InfoExposureTime">
        <source>Exposure time</source>
        <translation>露出時間</translation>
    </message>
    <message id="InfoAperture">
        <source>Aperture</source>
        <translation>絞り値</translation>
    </message>
    <message id="InfoIso">
        <source>ISO</source>
        <translation>ISO感度</translation>
    </message>
    <message id="InfoFocalLength">
        <source>Focal length</source>
        <translation>焦点距離</translation>
    </message>
    <message id="InfoOrientation">
        <source>Orientation</source>
        <translation>向き</translation>
    </message>
    <message id="InfoColourProfile">
        <source>Color profile</source>
        <translation>カラープロファイル</translation>
    </message>
    <message id="InfoProfileDescription">
        <source>Description</source>
        <translation>説明</translation>
    </message>
    <message id="InfoNoProfile">
        <source>None (sRGB assumed)</source>
        <translation>なし (sRGBとして表示)</translation>
    </message>
    <message id="InfoProfileDamaged">
        <source>The profile is damaged</source>
        <translation>プロファイルが壊れています</translation>
    </message>
    <message id="InfoGainMap">
        <source>, HDR gain map</source>
        <translation>、HDR ゲインマップ</translation>
    </message>
    <message id="MPType undefined">
        <source>undefined</source>
        <translation>未定義</translation>
    </message>
    <message id="MPType large thumbnail">
        <source>large thumbnail</source>
        <translation>大サムネイル</translation>
    </message>
    <message id="MPType multi-frame panorama">
        <source>multi-frame panorama</source>
        <translation>パノラマ</translation>
    </message>
    <message id="MPType disparity">
        <source>disparity</source>
        <translation>立体視</translation>
    </message>
    <message id="MPType multi-angle">
        <source>multi-angle</source>
        <translation>マルチアングル</translation>
    </message>
    <message id="MPType baseline primary">
        <source>baseline primary</source>
        <translation>ベースライン主画像</translation>
    </message>
    <message id="MenuAutoAlign">
        <source>&amp;Auto Align</source>
        <translation>自動位置合わせ(&amp;A)</translation>
    </message>
    <message id="AlignApplied">
        <source>Auto Align: %1; the nearest points at the screen</source>
        <translation>自動位置合わせ: %1、最も近い点をスクリーン面へ</translation>
    </message>
    <message id="AlignUp">
        <source>%1 px up</source>
        <translation>%1 px 上へ</translation>
    </message>
    <message id="AlignDown">
        <source>%1 px down</source>
        <translation>%1 px 下へ</translation>
    </message>
    <message id="AlignTurned">
        <source>%1° turned</source>
        <translation>%1° 回転</translation>
    </message>
    <message id="AlignLarger">
        <source>%1 % larger</source>
        <translation>%1 % 拡大</translation>
    </message>
    <message id="AlignSmaller">
        <source>%1 % smaller</source>
        <translation>%1 % 縮小</translation>
    </message>
    <message id="AlignNotNeeded">
        <source>Auto Align: rows already level; the nearest points at the screen</source>
        <translation>自動位置合わせ: 行は揃っています、最も近い点をスクリーン面へ</translation>
    </message>
    <message id="AlignTooDeep">
        <source> · deeper than is comfortable (%1 px of disparity)</source>
        <translation> · 奥行きが大きすぎます (視差 %1 px)</translation>
    </message>
    <message id="AlignKeystone">
        <source>keystone straightened</source>
        <translation>台形のゆがみを補正</translation>
    </message>
    <message id="AlignOff">
        <source>Auto Align off: the pair is shown as stored</source>
        <translation>自動位置合わせオフ: 保存されたとおりに表示します</translation>
    </message>
    <message id="AlignWorking">
        <source>Auto Align: measuring the pair…</source>
        <translation>自動位置合わせ: ペアを測定中…</translation>
    </message>
    <message id="StereoGainMap">
        <source>The second picture is an HDR gain map, not the other half of a stereo pair</source>
        <translation>2 枚目の画像は HDR ゲインマップで、ステレオペアの片側ではありません</translation>
    </message>
    <message id="AlignUnsure">
        <source>Auto Align: not aligned, %1</source>
        <translation>自動位置合わせ: 位置合わせしません、%1</translation>
    </message>
    <message id="AlignSizesDiffer">
        <source>the pictures differ in size</source>
        <translation>画像のサイズが異なります</translation>
    </message>
    <message id="AlignTooFewMatches">
        <source>too few points match (the pictures may show different scenes)</source>
        <translation>対応する点が少なすぎます (別の場面の画像かもしれません)</translation>
    </message>
    <message id="AlignTooSmall">
        <source>the pictures are too small to find points in</source>
        <translation>画像が小さすぎて点を見つけられません</translation>
    </message>
    <message id="AlignNotDecoded">
        <source>a picture of the pair cannot be decoded</source>
        <translation>ペアの画像をデコードできません</translation>
    </message>
    <message id="AlignGrayscale">
        <source>the pictures of the pair are grayscale</source>
        <translation>ペアの画像がグレースケールです</translation>
    </message>
    <message id="AlignOutOfMemory">
        <source>not enough memory to align the pictures</source>
        <translation>画像を揃えるためのメモリが足りません</translation>
    </message>
    <message id="AlignFeatureFailure">
        <source>the points of the pictures cannot be matched</source>
        <translation>画像の点を対応付けられません</translation>
    </message>
    <message id="AlignTooLarge">
        <source>a picture of the pair is too large</source>
        <translation>ペアの画像が大きすぎます</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message id="ExportNoViewTitle">
        <source>No Stereo View on Show</source>
        <translation>表示中の立体表示がありません</translation>
    </message>
    <message id="ExportNoView">
        <source>Choose a stereo view in the View menu while a file with a pair of pictures is shown.</source>
        <translation>ペアの画像があるファイルを表示しているときに、［表示］メニューから立体表示を選んでください。</translation>
    </message>
    <message id="StatusWritingStereoView">
        <source>Writing the stereo view…</source>
        <translation>立体表示を書き出しています…</translation>
    </message>
    <message id="ExportFailedTitle">
        <source>Cannot Export the Stereo View</source>
        <translation>立体表示を書き出せません</translation>
    </message>
    <message id="StatusStereoViewWritten">
        <source>Stereo view written to %1</source>
        <translation>立体表示を %1 に書き出しました</translation>
    </message>
    <message id="JoinFailedTitle">
        <source>Cannot Make the MPO File</source>
        <translation>MPO ファイルを作成できません</translation>
    </message>
    <message id="StatusPicturesJoined">
        <source>%1 pictures joined into %2</source>
        <translation>%1 枚の画像を %2 にまとめました</translation>
    </message>
    <message id="MakeTypeDisparity">
        <source>Stereo pair or disparity series</source>
        <translation>ステレオペアまたは視差画像の連続</translation>
    </message>
    <message id="MakeTypeMultiAngle">
        <source>Multi-angle series</source>
        <translation>多視点画像の連続</translation>
    </message>
    <message id="MakeTypePanorama">
        <source>Panorama</source>
        <translation>パノラマ</translation>
    </message>
    <message id="StatusFlat">
        <source>Flat</source>
        <translation>平面</translation>
    </message>
    <message id="StatusOffsets">
        <source> · offset %1, %2 px</source>
        <translation> · ずれ %1, %2 px</translation>
    </message>
    <message id="StatusSwapped">
        <source> · swapped</source>
        <translation> · 左右入れ替え</translation>
    </message>
    <message id="StatusAutoAlignOn">
        <source> · Auto Align</source>
        <translation> · 自動位置合わせ</translation>
    </message>
    <message id="StatusAutoAlignOff">
        <source> · Auto Align off</source>
        <translation> · 自動位置合わせオフ</translation>
    </message>
    <message id="StereoSinglePicture">
        <source>A single picture</source>
        <translation>画像が 1 枚だけです</translation>
    </message>
    <message id="StereoPictureUnreadable">
        <source>A picture of the pair cannot be read</source>
        <translation>ペアの画像の一方を読み込めません</translation>
    </message>
    <message id="StereoShownFlat">
        <source>%1: shown flat</source>
        <translation>%1: 平面で表示しています</translation>
    </message>
    <message id="MenuView">
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message id="MenuSwap">
        <source>S&amp;wap Left and Right</source>
        <translation>左右を入れ替え(&amp;W)</translation>
    </message>
    <message id="MenuFullScreen">
        <source>&amp;Full Screen</source>
        <translation>全画面表示(&amp;F)</translation>
    </message>
    <message id="MenuFlat">
        <source>F&amp;lat (One Picture)</source>
        <translation>平面（1 枚の画像）(&amp;L)</translation>
    </message>
    <message id="MenuOffsets">
        <source>&amp;Offsets</source>
        <translation>ずれ(&amp;O)</translation>
    </message>
    <message id="MenuMoveLeft">
        <source>Move Right Picture Left</source>
        <translation>右の画像を左へ</translation>
    </message>
    <message id="MenuMoveRight">
        <source>Move Right Picture Right</source>
        <translation>右の画像を右へ</translation>
    </message>
    <message id="MenuMoveUp">
        <source>Move Right Picture Up</source>
        <translation>右の画像を上へ</translation>
    </message>
    <message id="MenuMoveDown">
        <source>Move Right Picture Down</source>
        <translation>右の画像を下へ</translation>
    </message>
    <message id="MenuTenSteps">
        <source>%1 (Ten Steps)</source>
        <translation>%1（10 段階）</translation>
    </message>
    <message id="MenuResetOffsets">
        <source>&amp;Reset Offsets</source>
        <translation>ずれを元に戻す(&amp;R)</translation>
    </message>
    <message id="ViewParallel">
        <source>Side by Side (Parallel)</source>
        <translation>左右に並べる（平行法）</translation>
    </message>
    <message id="ViewCross">
        <source>Side by Side (Crossed)</source>
        <translation>左右に並べる（交差法）</translation>
    </message>
    <message id="ViewOverUnder">
        <source>Over/Under</source>
        <translation>上下に並べる</translation>
    </message>
    <message id="ViewMirror">
        <source>Mirror (Right Half Flipped)</source>
        <translation>ミラー（右半分を反転）</translation>
    </message>
    <message id="ViewRows">
        <source>Interlaced Rows</source>
        <translation>行ごとに交互</translation>
    </message>
    <message id="ViewColumns">
        <source>Interlaced Columns</source>
        <translation>列ごとに交互</translation>
    </message>
    <message id="ViewRedCyanDubois">
        <source>Anaglyph Red/Cyan (Dubois)</source>
        <translation>アナグリフ 赤/シアン（Dubois）</translation>
    </message>
    <message id="ViewRedCyanColor">
        <source>Anaglyph Red/Cyan (Color)</source>
        <translation>アナグリフ 赤/シアン、カラー</translation>
    </message>
    <message id="ViewRedCyanHalf">
        <source>Anaglyph Red/Cyan (Half Color)</source>
        <translation>アナグリフ 赤/シアン、ハーフカラー</translation>
    </message>
    <message id="ViewRedCyanGray">
        <source>Anaglyph Red/Cyan (Gray)</source>
        <translation>アナグリフ 赤/シアン、グレー</translation>
    </message>
    <message id="ViewGreenMagentaDubois">
        <source>Anaglyph Green/Magenta (Dubois)</source>
        <translation>アナグリフ 緑/マゼンタ（Dubois）</translation>
    </message>
    <message id="ViewGreenMagentaColor">
        <source>Anaglyph Green/Magenta (Color)</source>
        <translation>アナグリフ 緑/マゼンタ、カラー</translation>
    </message>
    <message id="ViewGreenMagentaHalf">
        <source>Anaglyph Green/Magenta (Half Color)</source>
        <translation>アナグリフ 緑/マゼンタ、ハーフカラー</translation>
    </message>
    <message id="ViewGreenMagentaGray">
        <source>Anaglyph Green/Magenta (Gray)</source>
        <translation>アナグリフ 緑/マゼンタ、グレー</translation>
    </message>
    <message id="ViewAmberBlueDubois">
        <source>Anaglyph Amber/Blue (Dubois)</source>
        <translation>アナグリフ 琥珀/青（Dubois）</translation>
    </message>
    <message id="ViewAmberBlueColor">
        <source>Anaglyph Amber/Blue (Color)</source>
        <translation>アナグリフ 琥珀/青、カラー</translation>
    </message>
    <message id="ViewAmberBlueHalf">
        <source>Anaglyph Amber/Blue (Half Color)</source>
        <translation>アナグリフ 琥珀/青、ハーフカラー</translation>
    </message>
    <message id="ViewAmberBlueGray">
        <source>Anaglyph Amber/Blue (Gray)</source>
        <translation>アナグリフ 琥珀/青、グレー</translation>
    </message>
    <message id="ViewWiggle">
        <source>Wiggle</source>
        <translation>ウィグル</translation>
    </message>
    <message id="WindowTitle">
        <source>MPO Viewer</source>
        <translation>MPO ビューア</translation>
    </message>
    <message id="WindowDropHint">
        <source>Drop an MPO or JPEG file here, or choose File ▸ Open.</source>
        <translation>ここに MPO ファイルか JPEG ファイルをドロップするか、［ファイル］▸［開く］を選んでください。</translation>
    </message>
    <message id="ButtonPrevious">
        <source>◀ Previous</source>
        <translation>◀ 前へ</translation>
    </message>
    <message id="TipPrevious">
        <source>Previous picture (Left arrow)</source>
        <translation>前の画像（左矢印キー）</translation>
    </message>
    <message id="TipPictureNumber">
        <source>Picture number: type one and press Enter</source>
        <translation>画像の番号: 入力して Enter キーを押します</translation>
    </message>
    <message id="ButtonNext">
        <source>Next ▶</source>
        <translation>次へ ▶</translation>
    </message>
    <message id="TipNext">
        <source>Next picture (Right arrow)</source>
        <translation>次の画像（右矢印キー）</translation>
    </message>
    <message id="StatusReading">
        <source>Reading the pictures…</source>
        <translation>画像を読み込んでいます…</translation>
    </message>
    <message id="MenuFile">
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message id="MenuSplit">
        <source>&amp;Split</source>
        <translation>分割(&amp;S)</translation>
    </message>
    <message id="MenuGo">
        <source>&amp;Go</source>
        <translation>移動(&amp;G)</translation>
    </message>
    <message id="MenuOpen">
        <source>&amp;Open…</source>
        <translation>開く(&amp;O)…</translation>
    </message>
    <message id="MenuExportStereo">
        <source>&amp;Export Stereo View…</source>
        <translation>立体表示を書き出す(&amp;E)…</translation>
    </message>
    <message id="MenuMakeMpo">
        <source>&amp;Make MPO File…</source>
        <translation>MPO ファイルを作成(&amp;M)…</translation>
    </message>
    <message id="MenuSplitSettings">
        <source>Split &amp;Settings…</source>
        <translation>分割の設定(&amp;S)…</translation>
    </message>
    <message id="MenuQuit">
        <source>&amp;Quit</source>
        <translation>終了(&amp;Q)</translation>
    </message>
    <message id="MenuPreviousPicture">
        <source>&amp;Previous Picture</source>
        <translation>前の画像(&amp;P)</translation>
    </message>
    <message id="MenuNextPicture">
        <source>&amp;Next Picture</source>
        <translation>次の画像(&amp;N)</translation>
    </message>
    <message id="MenuSplitOne">
        <source>Split This &amp;Picture</source>
        <translation>この画像を分割(&amp;P)</translation>
    </message>
    <message id="MenuSplitAll">
        <source>Split &amp;All Pictures</source>
        <translation>すべての画像を分割(&amp;A)</translation>
    </message>
    <message id="MakeTitle">
        <source>Make MPO File</source>
        <translation>MPO ファイルを作成</translation>
    </message>
    <message id="MakeOrder">
        <source>Pictures, in the order of the file (for a stereo pair, left first):</source>
        <translation>画像（ファイル内の順。ステレオペアは左の画像が先）:</translation>
    </message>
    <message id="MakeAdd">
        <source>Add…</source>
        <translation>追加…</translation>
    </message>
    <message id="MakeRemove">
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message id="MakeUp">
        <source>Move Up</source>
        <translation>上へ</translation>
    </message>
    <message id="MakeDown">
        <source>Move Down</source>
        <translation>下へ</translation>
    </message>
    <message id="MakeKind">
        <source>Kind of file:</source>
        <translation>ファイルの種類:</translation>
    </message>
    <message id="MakeFirst">
        <source>From an MPO file, take its first picture</source>
        <translation>MPO ファイルからは最初の画像を使う</translation>
    </message>
    <message id="ButtonCancel">
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message id="MakeButton">
        <source>Make…</source>
        <translation>作成…</translation>
    </message>
    <message id="SplitSettingsTitle">
        <source>Split Settings</source>
        <translation>分割の設定</translation>
    </message>
    <message id="SplitSaveIn">
        <source>Save split pictures in:</source>
        <translation>分割した画像の保存先:</translation>
    </message>
    <message id="ButtonChoose">
        <source>Choose…</source>
        <translation>選択…</translation>
    </message>
    <message id="ButtonOK">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="MenuExportConsole">
        <source>Export for Nintendo 3&amp;DS…</source>
        <translation>ニンテンドー3DS用に書き出す(&amp;D)…</translation>
    </message>
    <message id="StatusWritingConsolePair">
        <source>Writing the pair for the Nintendo 3DS…</source>
        <translation>ニンテンドー3DS用のペアを書き出しています…</translation>
    </message>
    <message id="StatusConsolePairWritten">
        <source>Written for the Nintendo 3DS: %1</source>
        <translation>ニンテンドー3DS用に書き出しました: %1</translation>
    </message>
    <message id="SideBySideOddWidth">
        <source>%1 has an odd width, so its halves cannot be a pair: shown flat</source>
        <translation>%1 は幅が奇数のため左右半分をペアにできません: 平面で表示しています</translation>
    </message>
    <message id="InfoSideBySide">
        <source>%1: side-by-side pair</source>
        <translation>%1: 並列ペア</translation>
    </message>
    <message id="OpenFailedTitle">
        <source>Cannot Show the File</source>
        <translation>ファイルを表示できません</translation>
    </message>
    <message id="FileReason">
        <source>%1 %2</source>
        <translation>%1: %2</translation>
    </message>
    <message id="ListSeparator">
        <source>; </source>
        <translation>、</translation>
    </message>
    <message id="StatusPassedOver">
        <source>Passed over: %1</source>
        <translation>表示できないファイルを飛ばしました: %1</translation>
    </message>
    <message id="PassedOverMore">
        <source>and %1 more</source>
        <translation>ほか %1 件</translation>
    </message>
    <message id="ReasonCannotOpen">
        <source>cannot be opened</source>
        <translation>開けません</translation>
    </message>
    <message id="CauseEmpty">
        <source>is empty</source>
        <translation>空のファイルです</translation>
    </message>
    <message id="ReasonNotJpeg">
        <source>is not a JPEG picture that can be decoded</source>
        <translation>デコードできるJPEG画像ではありません</translation>
    </message>
    <message id="ReasonNotPng">
        <source>is not a PNG picture that can be decoded</source>
        <translation>デコードできるPNG画像ではありません</translation>
    </message>
    <message id="ReasonTooLarge">
        <source>is too large to be held in memory</source>
        <translation>大きすぎてメモリに読み込めません</translation>
    </message>
    <message id="ReasonTooNarrow">
        <source>is too narrow to hold two pictures side by side</source>
        <translation>幅が狭すぎて2枚の画像を並べて収められません</translation>
    </message>
    <message id="StatusSplitNone">
        <source>No picture was written to %1</source>
        <translation>%1 に画像は書き出されませんでした</translation>
    </message>
    <message id="StatusSplitOne">
        <source>%1 written to %2</source>
        <translation>%1 を %2 に書き出しました</translation>
    </message>
    <message id="StatusSplitMany">
        <source>%1 pictures written to %2, the first as %3</source>
        <translation>%1 枚の画像を %2 に書き出しました（最初は %3）</translation>
    </message>
    <message id="StatusSplitMissed">
        <source>%1 %2: picture %3 is not written</source>
        <translation>%1: %2 (画像 %3 は書き出されていません)</translation>
    </message>
    <message id="ChooseAnotherFolder">
        <source>Choose Another Folder…</source>
        <translation>別のフォルダを選ぶ…</translation>
    </message>
    <message id="SplitFolderNamed">
        <source>%1 (%2)</source>
        <translation>%1（%2）</translation>
    </message>
    <message id="PanelViewerPictures">
        <source>MPO, JPEG, JPS and PNS pictures</source>
        <translation>MPO・JPEG・JPS・PNS 画像</translation>
    </message>
    <message id="PanelJoinPictures">
        <source>JPEG and MPO pictures</source>
        <translation>JPEG・MPO 画像</translation>
    </message>
    <message id="PanelMpoFile">
        <source>MPO file</source>
        <translation>MPO ファイル</translation>
    </message>
    <message id="PanelJpegPicture">
        <source>JPEG picture</source>
        <translation>JPEG 画像</translation>
    </message>
    <message id="PanelJpsPicture">
        <source>JPS side-by-side picture</source>
        <translation>JPS 並列画像</translation>
    </message>
    <message id="MakeLeftPicture">
        <source>Left: %1</source>
        <translation>左: %1</translation>
    </message>
    <message id="MakeRightPicture">
        <source>Right: %1</source>
        <translation>右: %1</translation>
    </message>
    <message id="MenuHelp">
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message id="MenuShortcuts">
        <source>&amp;Keyboard Shortcuts</source>
        <translation>キーボードショートカット(&amp;K)</translation>
    </message>
    <message id="MenuAbout">
        <source>&amp;About MPO Viewer</source>
        <translation>MPO Viewer について(&amp;A)</translation>
    </message>
    <message id="ShortcutsTitle">
        <source>Keyboard Shortcuts</source>
        <translation>キーボードショートカット</translation>
    </message>
    <message id="ShortcutsCommand">
        <source>Command</source>
        <translation>コマンド</translation>
    </message>
    <message id="ShortcutsKeys">
        <source>Keys</source>
        <translation>キー</translation>
    </message>
    <message id="ShortcutsOr">
        <source> or </source>
        <translation> または </translation>
    </message>
    <message id="AboutTitle">
        <source>About MPO Viewer</source>
        <translation>MPO Viewer について</translation>
    </message>
    <message id="AboutText">
        <source>MPO Viewer %1

Shows the pictures of MPO multi-picture files and JPS and PNS stereo pairs, in stereo views and anaglyphs, and splits MPO files losslessly into JPEG files.

Libraries: %2</source>
        <translation>MPO Viewer %1

MPOマルチピクチャーファイルとJPS・PNSステレオペアの画像を、立体表示やアナグリフで表示し、MPOファイルを無劣化でJPEGファイルに分割します。

ライブラリ: %2</translation>
    </message>
    <message id="MenuRedCyan">
        <source>Anaglyph &amp;Red/Cyan</source>
        <translation>アナグリフ 赤/シアン(&amp;R)</translation>
    </message>
    <message id="MenuGreenMagenta">
        <source>Anaglyph &amp;Green/Magenta</source>
        <translation>アナグリフ 緑/マゼンタ(&amp;G)</translation>
    </message>
    <message id="MenuAmberBlue">
        <source>Anaglyph &amp;Amber/Blue</source>
        <translation>アナグリフ 琥珀/青(&amp;B)</translation>
    </message>
    <message id="MenuMixDubois">
        <source>&amp;Dubois (Least Ghosting)</source>
        <translation>デュボア法（ゴースト最小）(&amp;D)</translation>
    </message>
    <message id="MenuMixColor">
        <source>&amp;Color</source>
        <translation>カラー(&amp;C)</translation>
    </message>
    <message id="MenuMixHalf">
        <source>&amp;Half Color</source>
        <translation>ハーフカラー(&amp;H)</translation>
    </message>
    <message id="MenuMixGray">
        <source>G&amp;ray</source>
        <translation>グレー(&amp;R)</translation>
    </message>
    <message id="InfoOrientation1">
        <source>Upright as stored</source>
        <translation>保存どおりの向き</translation>
    </message>
    <message id="InfoOrientation2">
        <source>Mirrored left to right</source>
        <translation>左右反転</translation>
    </message>
    <message id="InfoOrientation3">
        <source>Turned 180°</source>
        <translation>180°回転</translation>
    </message>
    <message id="InfoOrientation4">
        <source>Mirrored top to bottom</source>
        <translation>上下反転</translation>
    </message>
    <message id="InfoOrientation5">
        <source>Mirrored, and turned 90° counterclockwise</source>
        <translation>左右反転して反時計回りに90°回転</translation>
    </message>
    <message id="InfoOrientation6">
        <source>Turned 90° clockwise</source>
        <translation>時計回りに90°回転</translation>
    </message>
    <message id="InfoOrientation7">
        <source>Mirrored, and turned 90° clockwise</source>
        <translation>左右反転して時計回りに90°回転</translation>
    </message>
    <message id="InfoOrientation8">
        <source>Turned 90° counterclockwise</source>
        <translation>反時計回りに90°回転</translation>
    </message>
    <message id="MenuSaveAdjusted">
        <source>Save Adjusted Pair…</source>
        <translation>調整したペアを保存…</translation>
    </message>
    <message id="MenuMatchColors">
        <source>Match Colors</source>
        <translation>色を合わせる</translation>
    </message>
    <message id="MenuWindowNearest">
        <source>Stereo Window: Nearest at the Screen</source>
        <translation>ステレオウィンドウ: 最も近い点をスクリーン面へ</translation>
    </message>
    <message id="MenuWindowAtPoint">
        <source>Stereo Window: At a Point You Click (Ctrl+Click)</source>
        <translation>ステレオウィンドウ: クリックした点 (Ctrl+クリック)</translation>
    </message>
    <message id="MenuWindowAsCamera">
        <source>Stereo Window: As the Camera Showed It</source>
        <translation>ステレオウィンドウ: カメラの表示どおり</translation>
    </message>
    <message id="MenuLevelLeft">
        <source>Level: Turn Counterclockwise 0.1°</source>
        <translation>水平: 反時計回りに 0.1°</translation>
    </message>
    <message id="MenuLevelRight">
        <source>Level: Turn Clockwise 0.1°</source>
        <translation>水平: 時計回りに 0.1°</translation>
    </message>
    <message id="MenuCropFree">
        <source>Crop: Free</source>
        <translation>切り抜き: 自由</translation>
    </message>
    <message id="MenuCropAsTaken">
        <source>Crop: As Taken</source>
        <translation>切り抜き: 撮影時の縦横比</translation>
    </message>
    <message id="MenuCrop43">
        <source>Crop: 4:3</source>
        <translation>切り抜き: 4:3</translation>
    </message>
    <message id="MenuCrop32">
        <source>Crop: 3:2</source>
        <translation>切り抜き: 3:2</translation>
    </message>
    <message id="MenuCrop169">
        <source>Crop: 16:9</source>
        <translation>切り抜き: 16:9</translation>
    </message>
    <message id="MenuCrop11">
        <source>Crop: 1:1</source>
        <translation>切り抜き: 1:1</translation>
    </message>
    <message id="StatusLevel">
        <source> · level %1°</source>
        <translation> · 水平 %1°</translation>
    </message>
    <message id="AlignAppliedAt">
        <source>Auto Align: %1; %2 at the screen</source>
        <translation>自動位置合わせ: %1、%2をスクリーン面へ</translation>
    </message>
    <message id="AlignLevelAt">
        <source>Auto Align: rows already level; %1 at the screen</source>
        <translation>自動位置合わせ: 行は揃っています、%1をスクリーン面へ</translation>
    </message>
    <message id="WindowThePoint">
        <source>the clicked point</source>
        <translation>クリックした点</translation>
    </message>
    <message id="WindowTheCamera">
        <source>the camera's window</source>
        <translation>カメラのウィンドウ</translation>
    </message>
    <message id="AlignTooDeepRemedy">
        <source> · deeper than is comfortable (%1 px of disparity): Ctrl+click a point further back, or crop to the nearer part</source>
        <translation> · 奥行きが大きすぎます (視差 %1 px): より奥の点を Ctrl+クリックするか、近い部分に切り抜いてください</translation>
    </message>
    <message id="ColorsMatched">
        <source> · colors matched: the right picture was %1</source>
        <translation> · 色を合わせました: 右の画像は%1でした</translation>
    </message>
    <message id="ColorsPartBrighter">
        <source>%1 % brighter</source>
        <translation>%1 % 明るめ</translation>
    </message>
    <message id="ColorsPartDarker">
        <source>%1 % darker</source>
        <translation>%1 % 暗め</translation>
    </message>
    <message id="ColorsPartWarmer">
        <source>warmer</source>
        <translation>暖色寄り</translation>
    </message>
    <message id="ColorsPartCooler">
        <source>cooler</source>
        <translation>寒色寄り</translation>
    </message>
    <message id="ColorsPartAnd">
        <source>%1 and %2</source>
        <translation>%1で%2</translation>
    </message>
    <message id="ColorsSame">
        <source> · colors matched: the pictures hardly differed</source>
        <translation> · 色を合わせました: ほとんど差はありません</translation>
    </message>
    <message id="ColorsNotMatched">
        <source> · colors not matched: too few points that both pictures show</source>
        <translation> · 色は合わせていません: 両方に写る点が少なすぎます</translation>
    </message>
    <message id="StatusSavingAdjusted">
        <source>Saving the adjusted pair…</source>
        <translation>調整したペアを保存しています…</translation>
    </message>
    <message id="StatusAdjustedSaved">
        <source>Adjusted pair saved as %1</source>
        <translation>調整したペアを %1 に保存しました</translation>
    </message>
    <message id="AdjustedFailedTitle">
        <source>The adjusted pair cannot be saved</source>
        <translation>調整したペアを保存できません</translation>
    </message>
    <message id="PanelPnsPicture">
        <source>PNS side-by-side picture</source>
        <translation>PNS 並列画像</translation>
    </message>
    <message id="MenuCropWhole">
        <source>Crop: Whole Picture (Shift+Drag Draws a Frame)</source>
        <translation>切り抜き: 全体 (Shift+ドラッグで枠を描く)</translation>
    </message>
    <message id="MenuCropNextShape">
        <source>Crop: Next Shape</source>
        <translation>切り抜き: 次の縦横比</translation>
    </message>
    <message id="WindowClickAPoint">
        <source>Ctrl+click the point of the view to put at the screen</source>
        <translation>スクリーン面に置く点を Ctrl+クリックしてください</translation>
    </message>
    <message id="MenuEnlargeSmall">
        <source>Enlarge Small Pictures</source>
        <translation>小さい画像を拡大</translation>
    </message>
    <message id="MenuLeaveFullScreen">
        <source>Leave Full Screen</source>
        <translation>全画面表示を終了</translation>
    </message>
    <message id="PanelTitleOpen">
        <source>Open an MPO, JPS, PNS or JPEG File</source>
        <translation>MPO・JPS・PNS・JPEG ファイルを開く</translation>
    </message>
    <message id="PanelTitleJoinPictures">
        <source>Choose the Pictures of the New MPO File</source>
        <translation>新しい MPO ファイルの画像を選ぶ</translation>
    </message>
    <message id="PanelTitleJoinSave">
        <source>Save the New MPO File</source>
        <translation>新しい MPO ファイルを保存</translation>
    </message>
    <message id="PanelTitleExportStereo">
        <source>Export the Stereo View</source>
        <translation>立体表示を書き出す</translation>
    </message>
    <message id="PanelTitleSaveAdjusted">
        <source>Save the Adjusted Pair</source>
        <translation>調整したペアを保存</translation>
    </message>
    <message id="PanelTitleConsoleFolder">
        <source>Choose the Card's DCIM/100NIN03 Folder for the 3DS</source>
        <translation>3DS 用に SD カードの DCIM/100NIN03 フォルダーを選ぶ</translation>
    </message>
    <message id="PanelTitleSaveFolder">
        <source>Choose the Folder for Split Pictures</source>
        <translation>分割した画像の保存先フォルダーを選ぶ</translation>
    </message>
    <message id="MenuCheckRepair">
        <source>Check and &amp;Repair…</source>
        <translation>検査と修復(&amp;R)…</translation>
    </message>
    <message id="CheckFinding">
        <source>What the check finds: %1.</source>
        <translation>検査で見つかった問題: %1。</translation>
    </message>
    <message id="DamagedIndexTitle">
        <source>The File’s MP Index Is Damaged</source>
        <translation>ファイルの MP インデックスが壊れています</translation>
    </message>
    <message id="RepairOffer">
        <source>The %1 pictures it holds can be found whole. Repair writes a repaired copy, %2, beside the file and opens it; the file itself is not changed.</source>
        <translation>このファイルの %1 枚の画像はすべて見つかります。「修復」を選ぶと、修復したコピー %2 を同じフォルダーに書き出して開きます。元のファイルは変更しません。</translation>
    </message>
    <message id="ButtonRepair">
        <source>Repair…</source>
        <translation>修復…</translation>
    </message>
    <message id="RepairFailedTitle">
        <source>Cannot Repair the File</source>
        <translation>ファイルを修復できません</translation>
    </message>
    <message id="StatusRepaired">
        <source>Repaired: %1 pictures written to %2</source>
        <translation>修復しました: %1 枚の画像を %2 に書き出しました</translation>
    </message>
    <message id="CheckProblemsTitle">
        <source>The File Has Problems</source>
        <translation>ファイルに問題があります</translation>
    </message>
    <message id="CheckProblems">
        <source>%1 has problems that make cameras and strict readers refuse it.</source>
        <translation>%1 には、カメラや厳格な読み取りソフトが受け付けない問題があります。</translation>
    </message>
    <message id="RepairImpossible">
        <source>It cannot be repaired: %1 %2.</source>
        <translation>修復できません: %1 %2。</translation>
    </message>
    <message id="CheckSoundTitle">
        <source>The File Is Sound</source>
        <translation>ファイルに問題はありません</translation>
    </message>
    <message id="CheckSound">
        <source>%1 has no problem: its MP index lists the pictures it holds.</source>
        <translation>%1 に問題はありません。MP インデックスは格納された画像を正しく示しています。</translation>
    </message>
    <message id="CheckSoundWithNotes">
        <source>%1 has no problem that readers refuse. Notes:
%2</source>
        <translation>%1 には、読み取りソフトが受け付けない問題はありません。注記:
%2</translation>
    </message>
    <message id="PairOutOfMemory">
        <source>not enough memory to decode the pictures of the pair</source>
        <translation>ペアの画像をデコードするメモリーが足りません</translation>
    </message>
    <message id="PairTooLarge">
        <source>a picture of the pair is too large: %1 x %2 pixels (at most %3 million are decoded)</source>
        <translation>ペアの画像が大きすぎます: %1 x %2 ピクセル (デコードできるのは %3 百万ピクセルまで)</translation>
    </message>
    <message id="PairNotDecoded">
        <source>a picture of the pair cannot be decoded</source>
        <translation>ペアの画像をデコードできません</translation>
    </message>
    <message id="PairSizesDiffer">
        <source>the pictures of the pair differ in size</source>
        <translation>ペアの画像の大きさが異なります</translation>
    </message>
    <message id="PairGrayscale">
        <source>the pictures of the pair are grayscale</source>
        <translation>ペアの画像がグレースケールです</translation>
    </message>
    <message id="EncodeViewNoMemory">
        <source>the view cannot be encoded (not enough memory)</source>
        <translation>ビューをエンコードできません (メモリー不足)</translation>
    </message>
    <message id="EncodePairNoMemory">
        <source>the pair cannot be encoded (not enough memory)</source>
        <translation>ペアをエンコードできません (メモリー不足)</translation>
    </message>
    <message id="EncodePicturesNoMemory">
        <source>the pictures cannot be encoded (not enough memory)</source>
        <translation>画像をエンコードできません (メモリー不足)</translation>
    </message>
    <message id="JoinRefused">
        <source>%1</source>
        <translation>%1</translation>
    </message>
    <message id="WriteFailed">
        <source>cannot write %1: %2</source>
        <translation>%1 を書き込めません: %2</translation>
    </message>
    <message id="WriteNameTaken">
        <source>%1 exists, and an existing file is never replaced</source>
        <translation>%1 はすでにあります。既存のファイルを置き換えることはありません</translation>
    </message>
    <message id="ConsoleCannotList">
        <source>cannot list %1: %2</source>
        <translation>%1 の一覧を読めません: %2</translation>
    </message>
    <message id="ConsoleNumbersUsed">
        <source>%1 holds HNI_9999 already, the console’s last number</source>
        <translation>%1 にはすでに HNI_9999 (本体の最後の番号) があります</translation>
    </message>
    <message id="ViewHalfParallel">
        <source>Half Side by Side (3D TV)</source>
        <translation>ハーフサイドバイサイド (3D テレビ)</translation>
    </message>
    <message id="ViewHalfOverUnder">
        <source>Half Over/Under (3D TV)</source>
        <translation>ハーフトップアンドボトム (3D テレビ)</translation>
    </message>
    <message id="MenuExportTvHalfSideBySide">
        <source>Export for a 3D TV, Half Side by Side (1920 × 1080)…</source>
        <translation>3D テレビ用に書き出す: ハーフサイドバイサイド (1920 × 1080)…</translation>
    </message>
    <message id="MenuExportTvHalfOverUnder">
        <source>Export for a 3D TV, Half Over/Under (1920 × 1080)…</source>
        <translation>3D テレビ用に書き出す: ハーフトップアンドボトム (1920 × 1080)…</translation>
    </message>
    <message id="MenuExportHeadset">
        <source>Export for a VR Headset, Full Side by Side (Each Picture at Its Own Size)…</source>
        <translation>VR ヘッドセット用に書き出す: フルサイドバイサイド (各画像を元の大きさで)…</translation>
    </message>
    <message id="EncodeWiggleNoMemory">
        <source>the animation cannot be encoded (not enough memory)</source>
        <translation>アニメーションをエンコードできません (メモリー不足)</translation>
    </message>
    <message id="WiggleNoPair">
        <source>an animation takes two pictures or more</source>
        <translation>アニメーションには 2 枚以上の画像が必要です</translation>
    </message>
    <message id="MenuExportWiggle">
        <source>Export Wiggle Animation…</source>
        <translation>ウィグルアニメーションを書き出す…</translation>
    </message>
    <message id="MenuConvertPictures">
        <source>Convert Pictures…</source>
        <translation>画像を一括変換…</translation>
    </message>
    <message id="PanelTitleExportWiggle">
        <source>Export Wiggle Animation</source>
        <translation>ウィグルアニメーションの書き出し</translation>
    </message>
    <message id="PanelGifAnimation">
        <source>GIF animation</source>
        <translation>GIF アニメーション</translation>
    </message>
    <message id="PanelWebpAnimation">
        <source>WebP animation</source>
        <translation>WebP アニメーション</translation>
    </message>
    <message id="StatusWritingWiggle">
        <source>Writing the wiggle animation…</source>
        <translation>ウィグルアニメーションを書き出しています…</translation>
    </message>
    <message id="StatusWiggleWritten">
        <source>Wiggle animation written: %1</source>
        <translation>ウィグルアニメーションを書き出しました: %1</translation>
    </message>
    <message id="ConvertTitle">
        <source>Convert Pictures</source>
        <translation>画像の一括変換</translation>
    </message>
    <message id="ConvertFiles">
        <source>Stereo files to convert (MPO, JPS, PNS):</source>
        <translation>変換するステレオファイル (MPO、JPS、PNS):</translation>
    </message>
    <message id="ConvertAddFiles">
        <source>Add Files…</source>
        <translation>ファイルを追加…</translation>
    </message>
    <message id="ConvertAddFolder">
        <source>Add Folder…</source>
        <translation>フォルダーを追加…</translation>
    </message>
    <message id="ConvertOutput">
        <source>Write:</source>
        <translation>書き出す形式:</translation>
    </message>
    <message id="ConvertAdjust">
        <source>Adjust:</source>
        <translation>調整:</translation>
    </message>
    <message id="ConvertAlign">
        <source>Align</source>
        <translation>位置合わせ</translation>
    </message>
    <message id="ConvertWindow">
        <source>Stereo window:</source>
        <translation>ステレオウィンドウ:</translation>
    </message>
    <message id="ConvertCrop">
        <source>Crop to:</source>
        <translation>トリミング:</translation>
    </message>
    <message id="ConvertFolder">
        <source>Into the folder:</source>
        <translation>書き出し先フォルダー:</translation>
    </message>
    <message id="ConvertButton">
        <source>Convert</source>
        <translation>変換</translation>
    </message>
    <message id="ConvertTvHalfSideBySide">
        <source>3D TV, half side by side (1920 × 1080)</source>
        <translation>3D テレビ: ハーフサイドバイサイド (1920 × 1080)</translation>
    </message>
    <message id="ConvertTvHalfOverUnder">
        <source>3D TV, half over/under (1920 × 1080)</source>
        <translation>3D テレビ: ハーフトップアンドボトム (1920 × 1080)</translation>
    </message>
    <message id="ConvertHeadset">
        <source>VR headset, full side by side (each picture at its own size)</source>
        <translation>VR ヘッドセット: フルサイドバイサイド (各画像を元の大きさで)</translation>
    </message>
    <message id="ConvertWiggleGif">
        <source>Wiggle animation (GIF)</source>
        <translation>ウィグルアニメーション (GIF)</translation>
    </message>
    <message id="ConvertWiggleWebp">
        <source>Wiggle animation (WebP)</source>
        <translation>ウィグルアニメーション (WebP)</translation>
    </message>
    <message id="ConvertJps">
        <source>JPS picture, crossed side by side</source>
        <translation>JPS 画像 (交差法サイドバイサイド)</translation>
    </message>
    <message id="ConvertPns">
        <source>PNS picture, crossed side by side</source>
        <translation>PNS 画像 (交差法サイドバイサイド)</translation>
    </message>
    <message id="ConvertAdjustedPair">
        <source>Adjusted pair (MPO)</source>
        <translation>調整済みペア (MPO)</translation>
    </message>
    <message id="ConvertConsole">
        <source>Nintendo 3DS (MPO, 640 × 480)</source>
        <translation>ニンテンドー3DS (MPO、640 × 480)</translation>
    </message>
    <message id="ConvertWritten">
        <source>%1 → %2</source>
        <translation>%1 → %2</translation>
    </message>
    <message id="ConvertProgress">
        <source>%1 of %2 files done</source>
        <translation>%2 件中 %1 件完了</translation>
    </message>
    <message id="ConvertCancelling">
        <source>Cancelling: the files under way are being finished (%1 of %2 done)…</source>
        <translation>キャンセル中: 処理中のファイルを仕上げています (%2 件中 %1 件完了)…</translation>
    </message>
    <message id="ConvertFinished">
        <source>%1 of %2 files written</source>
        <translation>%2 件中 %1 件を書き出しました</translation>
    </message>
    <message id="ConvertCancelled">
        <source>Cancelled: %1 of %2 files written, none half-written</source>
        <translation>キャンセルしました: %2 件中 %1 件を書き出しました (書きかけのファイルはありません)</translation>
    </message>
    <message id="ButtonClose">
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message id="ConvertNoFolderTitle">
        <source>The folder cannot be used</source>
        <translation>フォルダーを使用できません</translation>
    </message>
    <message id="ConvertNoFolder">
        <source>The folder %1 does not exist. Choose a folder that does.</source>
        <translation>フォルダー %1 は存在しません。存在するフォルダーを選んでください。</translation>
    </message>
    <message id="StatusConverted">
        <source>Converted: %1 of %2 files written to %3</source>
        <translation>変換: %2 件中 %1 件を %3 に書き出しました</translation>
    </message>
    <message id="PanelTitleConvertFiles">
        <source>Add Stereo Files to Convert</source>
        <translation>変換するステレオファイルの追加</translation>
    </message>
    <message id="PanelTitleConvertFolder">
        <source>Add a Folder of Stereo Files</source>
        <translation>ステレオファイルのフォルダーを追加</translation>
    </message>
    <message id="PanelTitleConvertTarget">
        <source>Choose the Folder for the New Files</source>
        <translation>新しいファイルの書き出し先フォルダーを選択</translation>
    </message>
    <message id="PanelStereoFiles">
        <source>Stereo files (MPO, JPS, PNS)</source>
        <translation>ステレオファイル (MPO、JPS、PNS)</translation>
    </message>
    <message id="ConvertWindowNearest">
        <source>Nearest points at the screen</source>
        <translation>最も近い点をスクリーン面へ</translation>
    </message>
    <message id="ConvertWindowCamera">
        <source>As the camera showed it (Nintendo 3DS)</source>
        <translation>カメラの表示どおり (ニンテンドー3DS)</translation>
    </message>
    <message id="ConvertCropAsTaken">
        <source>The shape taken</source>
        <translation>撮影時の縦横比</translation>
    </message>
    <message id="NoPairGainMap">
        <source>holds a photo and its HDR gain map (picture 2), not a stereo pair</source>
        <translation>写真とその HDR ゲインマップ (画像 2) で、ステレオペアではありません</translation>
    </message>
    <message id="NoPairOnePicture">
        <source>holds a single picture, no stereo pair</source>
        <translation>画像が 1 枚だけで、ステレオペアではありません</translation>
    </message>
    <message id="NoPairSingleJpeg">
        <source>is not an MPO file this program can read (a single JPEG picture holds no pair)</source>
        <translation>このプログラムで読めるMPOファイルではありません (1 枚の JPEG 画像にはペアがありません)</translation>
    </message>
    <message id="NoPictureNumber">
        <source>has no picture %1</source>
        <translation>画像 %1 がありません</translation>
    </message>
    <message id="NotWrittenNoMemory">
        <source>is not written: not enough memory for its pictures</source>
        <translation>書き出されていません: 画像を扱うメモリーが足りません</translation>
    </message>
    <message id="ReasonOddWidth">
        <source>has an odd width, so its halves cannot be a pair</source>
        <translation>幅が奇数のため左右半分をペアにできません</translation>
    </message>
    <message id="StepCannotAlign">
        <source>cannot be aligned: %1</source>
        <translation>位置合わせできません: %1</translation>
    </message>
    <message id="StepNotAligned">
        <source>is not aligned: %1</source>
        <translation>位置合わせされていません: %1</translation>
    </message>
    <message id="StepNotAnimated">
        <source>is not animated: %1</source>
        <translation>アニメーションにできませんでした: %1</translation>
    </message>
    <message id="StepNotForConsole">
        <source>is not written for the 3DS: %1</source>
        <translation>3DS 用に書き出されていません: %1</translation>
    </message>
    <message id="StepNotShown">
        <source>is not shown in stereo: %1</source>
        <translation>立体表示を書き出せませんでした: %1</translation>
    </message>
    <message id="StepNotWritten">
        <source>is not written: %1</source>
        <translation>書き出されていません: %1</translation>
    </message>
    <message id="MenuBrowse">
        <source>Bro&amp;wse</source>
        <translation>ブラウズ(&amp;W)</translation>
    </message>
</context>
</TS>
