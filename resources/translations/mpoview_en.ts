<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>KivController</name>
    <message id="ErrorTitle0001">
        <source>Cannot Open the File</source>
        <translation>Cannot Open the File</translation>
    </message>
    <message id="ErrorMsg0001">
        <source>The file cannot be opened, or it is not an MPO or JPEG file that this program can read.</source>
        <translation>The file cannot be opened, or it is not an MPO or JPEG file that this program can read.</translation>
    </message>
    <message id="ErrorTitle0002">
        <source>Cannot Save the Picture</source>
        <translation>Cannot Save the Picture</translation>
    </message>
    <message id="ErrorMsg0002">
        <source>There is not enough free space in the save folder, or a file cannot be created there.</source>
        <translation>There is not enough free space in the save folder, or a file cannot be created there.</translation>
    </message>
    <message id="ErrorTitle0004">
        <source>Cannot Write the Picture</source>
        <translation>Cannot Write the Picture</translation>
    </message>
    <message id="ErrorMsg0004">
        <source>The save folder cannot be used, or writing a picture failed.</source>
        <translation>The save folder cannot be used, or writing a picture failed.</translation>
    </message>
    <message id="ErrorTitle0005">
        <source>Cannot Read the Picture</source>
        <translation>Cannot Read the Picture</translation>
    </message>
    <message id="ErrorMsg0005">
        <source>The picture cannot be read from the file.</source>
        <translation>The picture cannot be read from the file.</translation>
    </message>
</context>
<context>
    <name>Viewer</name>
    <message id="MenuOpenRecent">
        <source>Open &amp;Recent</source>
        <translation>Open &amp;Recent</translation>
    </message>
    <message id="MenuEdit">
        <source>&amp;Edit</source>
        <translation>&amp;Edit</translation>
    </message>
    <message id="MenuCopyPicture">
        <source>&amp;Copy Picture</source>
        <translation>&amp;Copy Picture</translation>
    </message>
    <message id="MenuNextFile">
        <source>Next &amp;File</source>
        <translation>Next &amp;File</translation>
    </message>
    <message id="MenuPreviousFile">
        <source>Previous F&amp;ile</source>
        <translation>Previous F&amp;ile</translation>
    </message>
    <message id="MenuFirstFile">
        <source>F&amp;irst File</source>
        <translation>F&amp;irst File</translation>
    </message>
    <message id="MenuLastFile">
        <source>&amp;Last File</source>
        <translation>&amp;Last File</translation>
    </message>
    <message id="MenuZoomIn">
        <source>Zoom &amp;In</source>
        <translation>Zoom &amp;In</translation>
    </message>
    <message id="MenuZoomOut">
        <source>Zoom &amp;Out</source>
        <translation>Zoom &amp;Out</translation>
    </message>
    <message id="MenuActualSize">
        <source>&amp;Actual Size (100 %)</source>
        <translation>&amp;Actual Size (100 %)</translation>
    </message>
    <message id="MenuFitToWindow">
        <source>Fit to &amp;Window</source>
        <translation>Fit to &amp;Window</translation>
    </message>
    <message id="MenuInformation">
        <source>&amp;Information</source>
        <translation>&amp;Information</translation>
    </message>
    <message id="StatusZoomFit">
        <source>Fit</source>
        <translation>Fit</translation>
    </message>
    <message id="ZoomTooLarge">
        <source>The picture is too large to show at %1 %</source>
        <translation>The picture is too large to show at %1 %</translation>
    </message>
    <message id="StatusLastFile">
        <source>This is the last picture file in the folder</source>
        <translation>This is the last picture file in the folder</translation>
    </message>
    <message id="StatusFirstFile">
        <source>This is the first picture file in the folder</source>
        <translation>This is the first picture file in the folder</translation>
    </message>
    <message id="StatusRecentMissing">
        <source>The file is gone and was removed from the recent files: %1</source>
        <translation>The file is gone and was removed from the recent files: %1</translation>
    </message>
    <message id="StatusNothingToCopy">
        <source>No picture to copy</source>
        <translation>No picture to copy</translation>
    </message>
    <message id="StatusPictureCopied">
        <source>Picture copied (%1 × %2)</source>
        <translation>Picture copied (%1 × %2)</translation>
    </message>
    <message id="InfoPanelTitle">
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message id="InfoMPIndex">
        <source>MP index</source>
        <translation>MP index</translation>
    </message>
    <message id="InfoNone">
        <source>—</source>
        <translation>—</translation>
    </message>
    <message id="ResultPathUnexamined">
        <source>cannot be found or examined</source>
        <translation>cannot be found or examined</translation>
    </message>
    <message id="ResultCannotOpen">
        <source>cannot be opened</source>
        <translation>cannot be opened</translation>
    </message>
    <message id="ResultRefused">
        <source>is not an MPO file this program can read</source>
        <translation>is not an MPO file this program can read</translation>
    </message>
    <message id="ResultNoSuchPicture">
        <source>has no picture with the number asked for</source>
        <translation>has no picture with the number asked for</translation>
    </message>
    <message id="ResultWriteFailed">
        <source>cannot be split: the save folder cannot be used, or writing a picture failed</source>
        <translation>cannot be split: the save folder cannot be used, or writing a picture failed</translation>
    </message>
    <message id="ResultNoRoom">
        <source>cannot be split: not enough free space, or no file can be created in the save folder</source>
        <translation>cannot be split: not enough free space, or no file can be created in the save folder</translation>
    </message>
    <message id="ResultUnreachable">
        <source>has a picture that cannot be read</source>
        <translation>has a picture that cannot be read</translation>
    </message>
    <message id="ResultJoinInputRefused">
        <source>cannot be read, or is no complete JPEG picture</source>
        <translation>cannot be read, or is no complete JPEG picture</translation>
    </message>
    <message id="ResultJoinTooLarge">
        <source>cannot be joined: the pictures are too many or too large for an MP index</source>
        <translation>cannot be joined: the pictures are too many or too large for an MP index</translation>
    </message>
    <message id="ResultJoinWriteFailed">
        <source>cannot be written: its name is taken, its folder cannot be used, or the disk is full</source>
        <translation>cannot be written: its name is taken, its folder cannot be used, or the disk is full</translation>
    </message>
    <message id="ResultUnknown">
        <source>cannot be read (an unknown failure)</source>
        <translation>cannot be read (an unknown failure)</translation>
    </message>
    <message id="CauseIndexOutsideFile">
        <source>has an MP index that points outside the file, or lists its pictures out of order</source>
        <translation>has an MP index that points outside the file, or lists its pictures out of order</translation>
    </message>
    <message id="CauseFolderUnusable">
        <source>cannot be split: the save folder does not exist or cannot be used</source>
        <translation>cannot be split: the save folder does not exist or cannot be used</translation>
    </message>
    <message id="CauseNotAPicture">
        <source>has an MP index entry whose data is not a whole JPEG picture</source>
        <translation>has an MP index entry whose data is not a whole JPEG picture</translation>
    </message>
    <message id="CauseCopyFailed">
        <source>cannot be split: reading or writing a picture failed</source>
        <translation>cannot be split: reading or writing a picture failed</translation>
    </message>
    <message id="CauseDiskFull">
        <source>cannot be split: the disk is full</source>
        <translation>cannot be split: the disk is full</translation>
    </message>
    <message id="CauseNotEnoughRoom">
        <source>cannot be split: not enough free space for a picture</source>
        <translation>cannot be split: not enough free space for a picture</translation>
    </message>
    <message id="CauseNoOutputFile">
        <source>cannot be split: no file can be created in the save folder</source>
        <translation>cannot be split: no file can be created in the save folder</translation>
    </message>
    <message id="CausePictureTooLarge">
        <source>has a picture too large to be held in memory (2 GiB or more)</source>
        <translation>has a picture too large to be held in memory (2 GiB or more)</translation>
    </message>
    <message id="CauseStartsPastEnd">
        <source>has a picture that starts where the file ends, or beyond (the file is cut short)</source>
        <translation>has a picture that starts where the file ends, or beyond (the file is cut short)</translation>
    </message>
    <message id="CausePathTooLong">
        <source>cannot be opened: its path is 1,024 bytes or longer</source>
        <translation>cannot be opened: its path is 1,024 bytes or longer</translation>
    </message>
    <message id="CauseNameTooShort">
        <source>cannot be opened: its name is too short to name its pictures after (fewer than four characters)</source>
        <translation>cannot be opened: its name is too short to name its pictures after (fewer than four characters)</translation>
    </message>
    <message id="CauseNotAFile">
        <source>cannot be opened: it is a folder, a device, a pipe or a socket, not a file</source>
        <translation>cannot be opened: it is a folder, a device, a pipe or a socket, not a file</translation>
    </message>
    <message id="CauseReadFailed">
        <source>cannot be read: the disk or the file system failed (an I/O error)</source>
        <translation>cannot be read: the disk or the file system failed (an I/O error)</translation>
    </message>
    <message id="CauseNameTooLong">
        <source>cannot be split: a picture&apos;s name would be longer than the save folder&apos;s file system allows</source>
        <translation>cannot be split: a picture&apos;s name would be longer than the save folder&apos;s file system allows</translation>
    </message>
    <message id="PanelNameLostTitle">
        <source>The File Cannot Be Opened from the Panel</source>
        <translation>The File Cannot Be Opened from the Panel</translation>
    </message>
    <message id="PanelNameLost">
        <source>The open panel cannot hand over the name of “%1”, which is not written in UTF-8. Open the file from the command line or drag it onto the window.</source>
        <translation>The open panel cannot hand over the name of “%1”, which is not written in UTF-8. Open the file from the command line or drag it onto the window.</translation>
    </message>
    <message id="InfoNoMPIndex">
        <source>None: the file %1</source>
        <translation>None: the file %1</translation>
    </message>
    <message id="InfoEntry">
        <source>Entry %1</source>
        <translation>Entry %1</translation>
    </message>
    <message id="InfoEntryShown">
        <source> (shown)</source>
        <translation> (shown)</translation>
    </message>
    <message id="InfoEntryValue">
        <source>%1
%2
%3 bytes at %4</source>
        <translation>%1
%2
%3 bytes at %4</translation>
    </message>
    <message id="InfoFlagParent">
        <source>dependent parent</source>
        <translation>dependent parent</translation>
    </message>
    <message id="InfoFlagChild">
        <source>dependent child</source>
        <translation>dependent child</translation>
    </message>
    <message id="InfoFlagRepresentative">
        <source>representative</source>
        <translation>representative</translation>
    </message>
    <message id="InfoMPAttributes">
        <source>MP attributes</source>
        <translation>MP attributes</translation>
    </message>
    <message id="InfoIndividualNumber">
        <source>Individual picture number</source>
        <translation>Individual picture number</translation>
    </message>
    <message id="InfoBaseViewpoint">
        <source>Base viewpoint</source>
        <translation>Base viewpoint</translation>
    </message>
    <message id="InfoConvergenceAngle">
        <source>Convergence angle</source>
        <translation>Convergence angle</translation>
    </message>
    <message id="InfoBaselineLength">
        <source>Baseline length</source>
        <translation>Baseline length</translation>
    </message>
    <message id="InfoExif">
        <source>Exif</source>
        <translation>Exif</translation>
    </message>
    <message id="InfoPictureUnreadable">
        <source>The picture cannot be read</source>
        <translation>The picture cannot be read</translation>
    </message>
    <message id="InfoPixelSize">
        <source>Pixel size</source>
        <translation>Pixel size</translation>
    </message>
    <message id="InfoNoExif">
        <source>No Exif data</source>
        <translation>No Exif data</translation>
    </message>
    <message id="InfoExifDamaged">
        <source>The Exif data is damaged</source>
        <translation>The Exif data is damaged</translation>
    </message>
    <message id="InfoMaker">
        <source>Maker</source>
        <translation>Maker</translation>
    </message>
    <message id="InfoModel">
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message id="InfoDateTaken">
        <source>Date taken</source>
        <translation>Date taken</translation>
    </message>
    <message id="InfoExposureTime">
        <source>Exposure time</source>
        <translation>Exposure time</translation>
    </message>
    <message id="InfoAperture">
        <source>Aperture</source>
        <translation>Aperture</translation>
    </message>
    <message id="InfoIso">
        <source>ISO</source>
        <translation>ISO</translation>
    </message>
    <message id="InfoFocalLength">
        <source>Focal length</source>
        <translation>Focal length</translation>
    </message>
    <message id="InfoOrientation">
        <source>Orientation</source>
        <translation>Orientation</translation>
    </message>
    <message id="InfoColourProfile">
        <source>Color profile</source>
        <translation>Color profile</translation>
    </message>
    <message id="InfoProfileDescription">
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message id="InfoNoProfile">
        <source>None (sRGB assumed)</source>
        <translation>None (sRGB assumed)</translation>
    </message>
    <message id="InfoProfileDamaged">
        <source>The profile is damaged</source>
        <translation>The profile is damaged</translation>
    </message>
    <message id="InfoGainMap">
        <source>, HDR gain map</source>
        <translation>, HDR gain map</translation>
    </message>
    <message id="MPType undefined">
        <source>undefined</source>
        <translation>undefined</translation>
    </message>
    <message id="MPType large thumbnail">
        <source>large thumbnail</source>
        <translation>large thumbnail</translation>
    </message>
    <message id="MPType multi-frame panorama">
        <source>multi-frame panorama</source>
        <translation>multi-frame panorama</translation>
    </message>
    <message id="MPType disparity">
        <source>disparity</source>
        <translation>disparity</translation>
    </message>
    <message id="MPType multi-angle">
        <source>multi-angle</source>
        <translation>multi-angle</translation>
    </message>
    <message id="MPType baseline primary">
        <source>baseline primary</source>
        <translation>baseline primary</translation>
    </message>
    <message id="MenuAutoAlign">
        <source>&amp;Auto Align</source>
        <translation>&amp;Auto Align</translation>
    </message>
    <message id="AlignApplied">
        <source>Auto Align: %1; the nearest points at the screen</source>
        <translation>Auto Align: %1; the nearest points at the screen</translation>
    </message>
    <message id="AlignUp">
        <source>%1 px up</source>
        <translation>%1 px up</translation>
    </message>
    <message id="AlignDown">
        <source>%1 px down</source>
        <translation>%1 px down</translation>
    </message>
    <message id="AlignTurned">
        <source>%1° turned</source>
        <translation>%1° turned</translation>
    </message>
    <message id="AlignLarger">
        <source>%1 % larger</source>
        <translation>%1 % larger</translation>
    </message>
    <message id="AlignSmaller">
        <source>%1 % smaller</source>
        <translation>%1 % smaller</translation>
    </message>
    <message id="AlignNotNeeded">
        <source>Auto Align: rows already level; the nearest points at the screen</source>
        <translation>Auto Align: rows already level; the nearest points at the screen</translation>
    </message>
    <message id="AlignTooDeep">
        <source> · deeper than is comfortable (%1 px of disparity)</source>
        <translation> · deeper than is comfortable (%1 px of disparity)</translation>
    </message>
    <message id="AlignKeystone">
        <source>keystone straightened</source>
        <translation>keystone straightened</translation>
    </message>
    <message id="AlignOff">
        <source>Auto Align off: the pair is shown as stored</source>
        <translation>Auto Align off: the pair is shown as stored</translation>
    </message>
    <message id="AlignWorking">
        <source>Auto Align: measuring the pair…</source>
        <translation>Auto Align: measuring the pair…</translation>
    </message>
    <message id="StereoGainMap">
        <source>The second picture is an HDR gain map, not the other half of a stereo pair</source>
        <translation>The second picture is an HDR gain map, not the other half of a stereo pair</translation>
    </message>
    <message id="AlignUnsure">
        <source>Auto Align: not aligned, %1</source>
        <translation>Auto Align: not aligned, %1</translation>
    </message>
    <message id="AlignSizesDiffer">
        <source>the pictures differ in size</source>
        <translation>the pictures differ in size</translation>
    </message>
    <message id="AlignTooFewMatches">
        <source>too few points match (the pictures may show different scenes)</source>
        <translation>too few points match (the pictures may show different scenes)</translation>
    </message>
    <message id="AlignTooSmall">
        <source>the pictures are too small to find points in</source>
        <translation>the pictures are too small to find points in</translation>
    </message>
    <message id="AlignNotDecoded">
        <source>a picture of the pair cannot be decoded</source>
        <translation>a picture of the pair cannot be decoded</translation>
    </message>
    <message id="AlignGrayscale">
        <source>the pictures of the pair are grayscale</source>
        <translation>the pictures of the pair are grayscale</translation>
    </message>
    <message id="AlignOutOfMemory">
        <source>not enough memory to align the pictures</source>
        <translation>not enough memory to align the pictures</translation>
    </message>
    <message id="AlignFeatureFailure">
        <source>the points of the pictures cannot be matched</source>
        <translation>the points of the pictures cannot be matched</translation>
    </message>
    <message id="AlignTooLarge">
        <source>a picture of the pair is too large</source>
        <translation>a picture of the pair is too large</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message id="ExportNoViewTitle">
        <source>No Stereo View on Show</source>
        <translation>No Stereo View on Show</translation>
    </message>
    <message id="ExportNoView">
        <source>Choose a stereo view in the View menu while a file with a pair of pictures is shown.</source>
        <translation>Choose a stereo view in the View menu while a file with a pair of pictures is shown.</translation>
    </message>
    <message id="StatusWritingStereoView">
        <source>Writing the stereo view…</source>
        <translation>Writing the stereo view…</translation>
    </message>
    <message id="ExportFailedTitle">
        <source>Cannot Export the Stereo View</source>
        <translation>Cannot Export the Stereo View</translation>
    </message>
    <message id="StatusStereoViewWritten">
        <source>Stereo view written to %1</source>
        <translation>Stereo view written to %1</translation>
    </message>
    <message id="JoinFailedTitle">
        <source>Cannot Make the MPO File</source>
        <translation>Cannot Make the MPO File</translation>
    </message>
    <message id="StatusPicturesJoined">
        <source>%1 pictures joined into %2</source>
        <translation>%1 pictures joined into %2</translation>
    </message>
    <message id="MakeTypeDisparity">
        <source>Stereo pair or disparity series</source>
        <translation>Stereo pair or disparity series</translation>
    </message>
    <message id="MakeTypeMultiAngle">
        <source>Multi-angle series</source>
        <translation>Multi-angle series</translation>
    </message>
    <message id="MakeTypePanorama">
        <source>Panorama</source>
        <translation>Panorama</translation>
    </message>
    <message id="StatusFlat">
        <source>Flat</source>
        <translation>Flat</translation>
    </message>
    <message id="StatusOffsets">
        <source> · offset %1, %2 px</source>
        <translation> · offset %1, %2 px</translation>
    </message>
    <message id="StatusSwapped">
        <source> · swapped</source>
        <translation> · swapped</translation>
    </message>
    <message id="StatusAutoAlignOn">
        <source> · Auto Align</source>
        <translation> · Auto Align</translation>
    </message>
    <message id="StatusAutoAlignOff">
        <source> · Auto Align off</source>
        <translation> · Auto Align off</translation>
    </message>
    <message id="StereoSinglePicture">
        <source>A single picture</source>
        <translation>A single picture</translation>
    </message>
    <message id="StereoPictureUnreadable">
        <source>A picture of the pair cannot be read</source>
        <translation>A picture of the pair cannot be read</translation>
    </message>
    <message id="StereoShownFlat">
        <source>%1: shown flat</source>
        <translation>%1: shown flat</translation>
    </message>
    <message id="MenuView">
        <source>&amp;View</source>
        <translation>&amp;View</translation>
    </message>
    <message id="MenuSwap">
        <source>S&amp;wap Left and Right</source>
        <translation>S&amp;wap Left and Right</translation>
    </message>
    <message id="MenuFullScreen">
        <source>&amp;Full Screen</source>
        <translation>&amp;Full Screen</translation>
    </message>
    <message id="MenuFlat">
        <source>F&amp;lat (One Picture)</source>
        <translation>F&amp;lat (One Picture)</translation>
    </message>
    <message id="MenuOffsets">
        <source>&amp;Offsets</source>
        <translation>&amp;Offsets</translation>
    </message>
    <message id="MenuMoveLeft">
        <source>Move Right Picture Left</source>
        <translation>Move Right Picture Left</translation>
    </message>
    <message id="MenuMoveRight">
        <source>Move Right Picture Right</source>
        <translation>Move Right Picture Right</translation>
    </message>
    <message id="MenuMoveUp">
        <source>Move Right Picture Up</source>
        <translation>Move Right Picture Up</translation>
    </message>
    <message id="MenuMoveDown">
        <source>Move Right Picture Down</source>
        <translation>Move Right Picture Down</translation>
    </message>
    <message id="MenuTenSteps">
        <source>%1 (Ten Steps)</source>
        <translation>%1 (Ten Steps)</translation>
    </message>
    <message id="MenuResetOffsets">
        <source>&amp;Reset Offsets</source>
        <translation>&amp;Reset Offsets</translation>
    </message>
    <message id="ViewParallel">
        <source>Side by Side (Parallel)</source>
        <translation>Side by Side (Parallel)</translation>
    </message>
    <message id="ViewCross">
        <source>Side by Side (Crossed)</source>
        <translation>Side by Side (Crossed)</translation>
    </message>
    <message id="ViewOverUnder">
        <source>Over/Under</source>
        <translation>Over/Under</translation>
    </message>
    <message id="ViewMirror">
        <source>Mirror (Right Half Flipped)</source>
        <translation>Mirror (Right Half Flipped)</translation>
    </message>
    <message id="ViewRows">
        <source>Interlaced Rows</source>
        <translation>Interlaced Rows</translation>
    </message>
    <message id="ViewColumns">
        <source>Interlaced Columns</source>
        <translation>Interlaced Columns</translation>
    </message>
    <message id="ViewRedCyanDubois">
        <source>Anaglyph Red/Cyan (Dubois)</source>
        <translation>Anaglyph Red/Cyan (Dubois)</translation>
    </message>
    <message id="ViewRedCyanColor">
        <source>Anaglyph Red/Cyan (Color)</source>
        <translation>Anaglyph Red/Cyan (Color)</translation>
    </message>
    <message id="ViewRedCyanHalf">
        <source>Anaglyph Red/Cyan (Half Color)</source>
        <translation>Anaglyph Red/Cyan (Half Color)</translation>
    </message>
    <message id="ViewRedCyanGray">
        <source>Anaglyph Red/Cyan (Gray)</source>
        <translation>Anaglyph Red/Cyan (Gray)</translation>
    </message>
    <message id="ViewGreenMagentaDubois">
        <source>Anaglyph Green/Magenta (Dubois)</source>
        <translation>Anaglyph Green/Magenta (Dubois)</translation>
    </message>
    <message id="ViewGreenMagentaColor">
        <source>Anaglyph Green/Magenta (Color)</source>
        <translation>Anaglyph Green/Magenta (Color)</translation>
    </message>
    <message id="ViewGreenMagentaHalf">
        <source>Anaglyph Green/Magenta (Half Color)</source>
        <translation>Anaglyph Green/Magenta (Half Color)</translation>
    </message>
    <message id="ViewGreenMagentaGray">
        <source>Anaglyph Green/Magenta (Gray)</source>
        <translation>Anaglyph Green/Magenta (Gray)</translation>
    </message>
    <message id="ViewAmberBlueDubois">
        <source>Anaglyph Amber/Blue (Dubois)</source>
        <translation>Anaglyph Amber/Blue (Dubois)</translation>
    </message>
    <message id="ViewAmberBlueColor">
        <source>Anaglyph Amber/Blue (Color)</source>
        <translation>Anaglyph Amber/Blue (Color)</translation>
    </message>
    <message id="ViewAmberBlueHalf">
        <source>Anaglyph Amber/Blue (Half Color)</source>
        <translation>Anaglyph Amber/Blue (Half Color)</translation>
    </message>
    <message id="ViewAmberBlueGray">
        <source>Anaglyph Amber/Blue (Gray)</source>
        <translation>Anaglyph Amber/Blue (Gray)</translation>
    </message>
    <message id="ViewWiggle">
        <source>Wiggle</source>
        <translation>Wiggle</translation>
    </message>
    <message id="WindowTitle">
        <source>MPO Viewer</source>
        <translation>MPO Viewer</translation>
    </message>
    <message id="WindowDropHint">
        <source>Drop an MPO or JPEG file here, or choose File ▸ Open.</source>
        <translation>Drop an MPO or JPEG file here, or choose File ▸ Open.</translation>
    </message>
    <message id="ButtonPrevious">
        <source>◀ Previous</source>
        <translation>◀ Previous</translation>
    </message>
    <message id="TipPrevious">
        <source>Previous picture (Left arrow)</source>
        <translation>Previous picture (Left arrow)</translation>
    </message>
    <message id="TipPictureNumber">
        <source>Picture number: type one and press Enter</source>
        <translation>Picture number: type one and press Enter</translation>
    </message>
    <message id="ButtonNext">
        <source>Next ▶</source>
        <translation>Next ▶</translation>
    </message>
    <message id="TipNext">
        <source>Next picture (Right arrow)</source>
        <translation>Next picture (Right arrow)</translation>
    </message>
    <message id="StatusReading">
        <source>Reading the pictures…</source>
        <translation>Reading the pictures…</translation>
    </message>
    <message id="MenuFile">
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message id="MenuSplit">
        <source>&amp;Split</source>
        <translation>&amp;Split</translation>
    </message>
    <message id="MenuGo">
        <source>&amp;Go</source>
        <translation>&amp;Go</translation>
    </message>
    <message id="MenuOpen">
        <source>&amp;Open…</source>
        <translation>&amp;Open…</translation>
    </message>
    <message id="MenuExportStereo">
        <source>&amp;Export Stereo View…</source>
        <translation>&amp;Export Stereo View…</translation>
    </message>
    <message id="MenuMakeMpo">
        <source>&amp;Make MPO File…</source>
        <translation>&amp;Make MPO File…</translation>
    </message>
    <message id="MenuSplitSettings">
        <source>Split &amp;Settings…</source>
        <translation>Split &amp;Settings…</translation>
    </message>
    <message id="MenuQuit">
        <source>&amp;Quit</source>
        <translation>&amp;Quit</translation>
    </message>
    <message id="MenuPreviousPicture">
        <source>&amp;Previous Picture</source>
        <translation>&amp;Previous Picture</translation>
    </message>
    <message id="MenuNextPicture">
        <source>&amp;Next Picture</source>
        <translation>&amp;Next Picture</translation>
    </message>
    <message id="MenuSplitOne">
        <source>Split This &amp;Picture</source>
        <translation>Split This &amp;Picture</translation>
    </message>
    <message id="MenuSplitAll">
        <source>Split &amp;All Pictures</source>
        <translation>Split &amp;All Pictures</translation>
    </message>
    <message id="MakeTitle">
        <source>Make MPO File</source>
        <translation>Make MPO File</translation>
    </message>
    <message id="MakeOrder">
        <source>Pictures, in the order of the file (for a stereo pair, left first):</source>
        <translation>Pictures, in the order of the file (for a stereo pair, left first):</translation>
    </message>
    <message id="MakeAdd">
        <source>Add…</source>
        <translation>Add…</translation>
    </message>
    <message id="MakeRemove">
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
    <message id="MakeUp">
        <source>Move Up</source>
        <translation>Move Up</translation>
    </message>
    <message id="MakeDown">
        <source>Move Down</source>
        <translation>Move Down</translation>
    </message>
    <message id="MakeKind">
        <source>Kind of file:</source>
        <translation>Kind of file:</translation>
    </message>
    <message id="MakeFirst">
        <source>From an MPO file, take its first picture</source>
        <translation>From an MPO file, take its first picture</translation>
    </message>
    <message id="ButtonCancel">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="MakeButton">
        <source>Make…</source>
        <translation>Make…</translation>
    </message>
    <message id="SplitSettingsTitle">
        <source>Split Settings</source>
        <translation>Split Settings</translation>
    </message>
    <message id="SplitSaveIn">
        <source>Save split pictures in:</source>
        <translation>Save split pictures in:</translation>
    </message>
    <message id="ButtonChoose">
        <source>Choose…</source>
        <translation>Choose…</translation>
    </message>
    <message id="ButtonOK">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="MenuExportConsole">
        <source>Export for Nintendo 3&amp;DS…</source>
        <translation>Export for Nintendo 3&amp;DS…</translation>
    </message>
    <message id="StatusWritingConsolePair">
        <source>Writing the pair for the Nintendo 3DS…</source>
        <translation>Writing the pair for the Nintendo 3DS…</translation>
    </message>
    <message id="StatusConsolePairWritten">
        <source>Written for the Nintendo 3DS: %1</source>
        <translation>Written for the Nintendo 3DS: %1</translation>
    </message>
    <message id="SideBySideOddWidth">
        <source>%1 has an odd width, so its halves cannot be a pair: shown flat</source>
        <translation>%1 has an odd width, so its halves cannot be a pair: shown flat</translation>
    </message>
    <message id="InfoSideBySide">
        <source>%1: side-by-side pair</source>
        <translation>%1: side-by-side pair</translation>
    </message>
    <message id="OpenFailedTitle">
        <source>Cannot Show the File</source>
        <translation>Cannot Show the File</translation>
    </message>
    <message id="FileReason">
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message id="ListSeparator">
        <source>; </source>
        <translation>; </translation>
    </message>
    <message id="StatusPassedOver">
        <source>Passed over: %1</source>
        <translation>Passed over: %1</translation>
    </message>
    <message id="PassedOverMore">
        <source>and %1 more</source>
        <translation>and %1 more</translation>
    </message>
    <message id="ReasonCannotOpen">
        <source>cannot be opened</source>
        <translation>cannot be opened</translation>
    </message>
    <message id="CauseEmpty">
        <source>is empty</source>
        <translation>is empty</translation>
    </message>
    <message id="ReasonNotJpeg">
        <source>is not a JPEG picture that can be decoded</source>
        <translation>is not a JPEG picture that can be decoded</translation>
    </message>
    <message id="ReasonNotPng">
        <source>is not a PNG picture that can be decoded</source>
        <translation>is not a PNG picture that can be decoded</translation>
    </message>
    <message id="ReasonTooLarge">
        <source>is too large to be held in memory</source>
        <translation>is too large to be held in memory</translation>
    </message>
    <message id="ReasonTooNarrow">
        <source>is too narrow to hold two pictures side by side</source>
        <translation>is too narrow to hold two pictures side by side</translation>
    </message>
    <message id="StatusSplitNone">
        <source>No picture was written to %1</source>
        <translation>No picture was written to %1</translation>
    </message>
    <message id="StatusSplitOne">
        <source>%1 written to %2</source>
        <translation>%1 written to %2</translation>
    </message>
    <message id="StatusSplitMany">
        <source>%1 pictures written to %2, the first as %3</source>
        <translation>%1 pictures written to %2, the first as %3</translation>
    </message>
    <message id="StatusSplitMissed">
        <source>%1 %2: picture %3 is not written</source>
        <translation>%1 %2: picture %3 is not written</translation>
    </message>
    <message id="ChooseAnotherFolder">
        <source>Choose Another Folder…</source>
        <translation>Choose Another Folder…</translation>
    </message>
    <message id="SplitFolderNamed">
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message id="PanelViewerPictures">
        <source>MPO, JPEG, JPS and PNS pictures</source>
        <translation>MPO, JPEG, JPS and PNS pictures</translation>
    </message>
    <message id="PanelJoinPictures">
        <source>JPEG and MPO pictures</source>
        <translation>JPEG and MPO pictures</translation>
    </message>
    <message id="PanelMpoFile">
        <source>MPO file</source>
        <translation>MPO file</translation>
    </message>
    <message id="PanelJpegPicture">
        <source>JPEG picture</source>
        <translation>JPEG picture</translation>
    </message>
    <message id="PanelJpsPicture">
        <source>JPS side-by-side picture</source>
        <translation>JPS side-by-side picture</translation>
    </message>
    <message id="MakeLeftPicture">
        <source>Left: %1</source>
        <translation>Left: %1</translation>
    </message>
    <message id="MakeRightPicture">
        <source>Right: %1</source>
        <translation>Right: %1</translation>
    </message>
    <message id="MenuHelp">
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message id="MenuShortcuts">
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Keyboard Shortcuts</translation>
    </message>
    <message id="MenuAbout">
        <source>&amp;About MPO Viewer</source>
        <translation>&amp;About MPO Viewer</translation>
    </message>
    <message id="ShortcutsTitle">
        <source>Keyboard Shortcuts</source>
        <translation>Keyboard Shortcuts</translation>
    </message>
    <message id="ShortcutsCommand">
        <source>Command</source>
        <translation>Command</translation>
    </message>
    <message id="ShortcutsKeys">
        <source>Keys</source>
        <translation>Keys</translation>
    </message>
    <message id="ShortcutsOr">
        <source> or </source>
        <translation> or </translation>
    </message>
    <message id="AboutTitle">
        <source>About MPO Viewer</source>
        <translation>About MPO Viewer</translation>
    </message>
    <message id="AboutText">
        <source>MPO Viewer %1

Shows the pictures of MPO multi-picture files and JPS and PNS stereo pairs, in stereo views and anaglyphs, and splits MPO files losslessly into JPEG files.

Libraries: %2</source>
        <translation>MPO Viewer %1

Shows the pictures of MPO multi-picture files and JPS and PNS stereo pairs, in stereo views and anaglyphs, and splits MPO files losslessly into JPEG files.

Libraries: %2</translation>
    </message>
    <message id="MenuRedCyan">
        <source>Anaglyph &amp;Red/Cyan</source>
        <translation>Anaglyph &amp;Red/Cyan</translation>
    </message>
    <message id="MenuGreenMagenta">
        <source>Anaglyph &amp;Green/Magenta</source>
        <translation>Anaglyph &amp;Green/Magenta</translation>
    </message>
    <message id="MenuAmberBlue">
        <source>Anaglyph &amp;Amber/Blue</source>
        <translation>Anaglyph &amp;Amber/Blue</translation>
    </message>
    <message id="MenuMixDubois">
        <source>&amp;Dubois (Least Ghosting)</source>
        <translation>&amp;Dubois (Least Ghosting)</translation>
    </message>
    <message id="MenuMixColor">
        <source>&amp;Color</source>
        <translation>&amp;Color</translation>
    </message>
    <message id="MenuMixHalf">
        <source>&amp;Half Color</source>
        <translation>&amp;Half Color</translation>
    </message>
    <message id="MenuMixGray">
        <source>G&amp;ray</source>
        <translation>G&amp;ray</translation>
    </message>
    <message id="InfoOrientation1">
        <source>Upright as stored</source>
        <translation>Upright as stored</translation>
    </message>
    <message id="InfoOrientation2">
        <source>Mirrored left to right</source>
        <translation>Mirrored left to right</translation>
    </message>
    <message id="InfoOrientation3">
        <source>Turned 180°</source>
        <translation>Turned 180°</translation>
    </message>
    <message id="InfoOrientation4">
        <source>Mirrored top to bottom</source>
        <translation>Mirrored top to bottom</translation>
    </message>
    <message id="InfoOrientation5">
        <source>Mirrored, and turned 90° counterclockwise</source>
        <translation>Mirrored, and turned 90° counterclockwise</translation>
    </message>
    <message id="InfoOrientation6">
        <source>Turned 90° clockwise</source>
        <translation>Turned 90° clockwise</translation>
    </message>
    <message id="InfoOrientation7">
        <source>Mirrored, and turned 90° clockwise</source>
        <translation>Mirrored, and turned 90° clockwise</translation>
    </message>
    <message id="InfoOrientation8">
        <source>Turned 90° counterclockwise</source>
        <translation>Turned 90° counterclockwise</translation>
    </message>
    <message id="MenuSaveAdjusted">
        <source>Save Adjusted Pair…</source>
        <translation>Save Adjusted Pair…</translation>
    </message>
    <message id="MenuMatchColors">
        <source>Match Colors</source>
        <translation>Match Colors</translation>
    </message>
    <message id="MenuWindowNearest">
        <source>Stereo Window: Nearest at the Screen</source>
        <translation>Stereo Window: Nearest at the Screen</translation>
    </message>
    <message id="MenuWindowAtPoint">
        <source>Stereo Window: At a Point You Click (Ctrl+Click)</source>
        <translation>Stereo Window: At a Point You Click (Ctrl+Click)</translation>
    </message>
    <message id="MenuWindowAsCamera">
        <source>Stereo Window: As the Camera Showed It</source>
        <translation>Stereo Window: As the Camera Showed It</translation>
    </message>
    <message id="MenuLevelLeft">
        <source>Level: Turn Counterclockwise 0.1°</source>
        <translation>Level: Turn Counterclockwise 0.1°</translation>
    </message>
    <message id="MenuLevelRight">
        <source>Level: Turn Clockwise 0.1°</source>
        <translation>Level: Turn Clockwise 0.1°</translation>
    </message>
    <message id="MenuCropFree">
        <source>Crop: Free</source>
        <translation>Crop: Free</translation>
    </message>
    <message id="MenuCropAsTaken">
        <source>Crop: As Taken</source>
        <translation>Crop: As Taken</translation>
    </message>
    <message id="MenuCrop43">
        <source>Crop: 4:3</source>
        <translation>Crop: 4:3</translation>
    </message>
    <message id="MenuCrop32">
        <source>Crop: 3:2</source>
        <translation>Crop: 3:2</translation>
    </message>
    <message id="MenuCrop169">
        <source>Crop: 16:9</source>
        <translation>Crop: 16:9</translation>
    </message>
    <message id="MenuCrop11">
        <source>Crop: 1:1</source>
        <translation>Crop: 1:1</translation>
    </message>
    <message id="StatusLevel">
        <source> · level %1°</source>
        <translation> · level %1°</translation>
    </message>
    <message id="AlignAppliedAt">
        <source>Auto Align: %1; %2 at the screen</source>
        <translation>Auto Align: %1; %2 at the screen</translation>
    </message>
    <message id="AlignLevelAt">
        <source>Auto Align: rows already level; %1 at the screen</source>
        <translation>Auto Align: rows already level; %1 at the screen</translation>
    </message>
    <message id="WindowThePoint">
        <source>the clicked point</source>
        <translation>the clicked point</translation>
    </message>
    <message id="WindowTheCamera">
        <source>the camera's window</source>
        <translation>the camera's window</translation>
    </message>
    <message id="AlignTooDeepRemedy">
        <source> · deeper than is comfortable (%1 px of disparity): Ctrl+click a point further back, or crop to the nearer part</source>
        <translation> · deeper than is comfortable (%1 px of disparity): Ctrl+click a point further back, or crop to the nearer part</translation>
    </message>
    <message id="ColorsMatched">
        <source> · colors matched: the right picture was %1</source>
        <translation> · colors matched: the right picture was %1</translation>
    </message>
    <message id="ColorsPartBrighter">
        <source>%1 % brighter</source>
        <translation>%1 % brighter</translation>
    </message>
    <message id="ColorsPartDarker">
        <source>%1 % darker</source>
        <translation>%1 % darker</translation>
    </message>
    <message id="ColorsPartWarmer">
        <source>warmer</source>
        <translation>warmer</translation>
    </message>
    <message id="ColorsPartCooler">
        <source>cooler</source>
        <translation>cooler</translation>
    </message>
    <message id="ColorsPartAnd">
        <source>%1 and %2</source>
        <translation>%1 and %2</translation>
    </message>
    <message id="ColorsSame">
        <source> · colors matched: the pictures hardly differed</source>
        <translation> · colors matched: the pictures hardly differed</translation>
    </message>
    <message id="ColorsNotMatched">
        <source> · colors not matched: too few points that both pictures show</source>
        <translation> · colors not matched: too few points that both pictures show</translation>
    </message>
    <message id="StatusSavingAdjusted">
        <source>Saving the adjusted pair…</source>
        <translation>Saving the adjusted pair…</translation>
    </message>
    <message id="StatusAdjustedSaved">
        <source>Adjusted pair saved as %1</source>
        <translation>Adjusted pair saved as %1</translation>
    </message>
    <message id="AdjustedFailedTitle">
        <source>The adjusted pair cannot be saved</source>
        <translation>The adjusted pair cannot be saved</translation>
    </message>
    <message id="PanelPnsPicture">
        <source>PNS side-by-side picture</source>
        <translation>PNS side-by-side picture</translation>
    </message>
    <message id="MenuCropWhole">
        <source>Crop: Whole Picture (Shift+Drag Draws a Frame)</source>
        <translation>Crop: Whole Picture (Shift+Drag Draws a Frame)</translation>
    </message>
    <message id="MenuCropNextShape">
        <source>Crop: Next Shape</source>
        <translation>Crop: Next Shape</translation>
    </message>
    <message id="WindowClickAPoint">
        <source>Ctrl+click the point of the view to put at the screen</source>
        <translation>Ctrl+click the point of the view to put at the screen</translation>
    </message>
    <message id="MenuEnlargeSmall">
        <source>Enlarge Small Pictures</source>
        <translation>Enlarge Small Pictures</translation>
    </message>
    <message id="MenuLeaveFullScreen">
        <source>Leave Full Screen</source>
        <translation>Leave Full Screen</translation>
    </message>
    <message id="PanelTitleOpen">
        <source>Open an MPO, JPS, PNS or JPEG File</source>
        <translation>Open an MPO, JPS, PNS or JPEG File</translation>
    </message>
    <message id="PanelTitleJoinPictures">
        <source>Choose the Pictures of the New MPO File</source>
        <translation>Choose the Pictures of the New MPO File</translation>
    </message>
    <message id="PanelTitleJoinSave">
        <source>Save the New MPO File</source>
        <translation>Save the New MPO File</translation>
    </message>
    <message id="PanelTitleExportStereo">
        <source>Export the Stereo View</source>
        <translation>Export the Stereo View</translation>
    </message>
    <message id="PanelTitleSaveAdjusted">
        <source>Save the Adjusted Pair</source>
        <translation>Save the Adjusted Pair</translation>
    </message>
    <message id="PanelTitleConsoleFolder">
        <source>Choose the Card's DCIM/100NIN03 Folder for the 3DS</source>
        <translation>Choose the Card's DCIM/100NIN03 Folder for the 3DS</translation>
    </message>
    <message id="PanelTitleSaveFolder">
        <source>Choose the Folder for Split Pictures</source>
        <translation>Choose the Folder for Split Pictures</translation>
    </message>
    <message id="MenuCheckRepair">
        <source>Check and &amp;Repair…</source>
        <translation>Check and &amp;Repair…</translation>
    </message>
    <message id="CheckFinding">
        <source>What the check finds: %1.</source>
        <translation>What the check finds: %1.</translation>
    </message>
    <message id="DamagedIndexTitle">
        <source>The File’s MP Index Is Damaged</source>
        <translation>The File’s MP Index Is Damaged</translation>
    </message>
    <message id="RepairOffer">
        <source>The %1 pictures it holds can be found whole. Repair writes a repaired copy, %2, beside the file and opens it; the file itself is not changed.</source>
        <translation>The %1 pictures it holds can be found whole. Repair writes a repaired copy, %2, beside the file and opens it; the file itself is not changed.</translation>
    </message>
    <message id="ButtonRepair">
        <source>Repair…</source>
        <translation>Repair…</translation>
    </message>
    <message id="RepairFailedTitle">
        <source>Cannot Repair the File</source>
        <translation>Cannot Repair the File</translation>
    </message>
    <message id="StatusRepaired">
        <source>Repaired: %1 pictures written to %2</source>
        <translation>Repaired: %1 pictures written to %2</translation>
    </message>
    <message id="CheckProblemsTitle">
        <source>The File Has Problems</source>
        <translation>The File Has Problems</translation>
    </message>
    <message id="CheckProblems">
        <source>%1 has problems that make cameras and strict readers refuse it.</source>
        <translation>%1 has problems that make cameras and strict readers refuse it.</translation>
    </message>
    <message id="RepairImpossible">
        <source>It cannot be repaired: %1 %2.</source>
        <translation>It cannot be repaired: %1 %2.</translation>
    </message>
    <message id="CheckSoundTitle">
        <source>The File Is Sound</source>
        <translation>The File Is Sound</translation>
    </message>
    <message id="CheckSound">
        <source>%1 has no problem: its MP index lists the pictures it holds.</source>
        <translation>%1 has no problem: its MP index lists the pictures it holds.</translation>
    </message>
    <message id="CheckSoundWithNotes">
        <source>%1 has no problem that readers refuse. Notes:
%2</source>
        <translation>%1 has no problem that readers refuse. Notes:
%2</translation>
    </message>
    <message id="PairOutOfMemory">
        <source>not enough memory to decode the pictures of the pair</source>
        <translation>not enough memory to decode the pictures of the pair</translation>
    </message>
    <message id="PairTooLarge">
        <source>a picture of the pair is too large: %1 x %2 pixels (at most %3 million are decoded)</source>
        <translation>a picture of the pair is too large: %1 x %2 pixels (at most %3 million are decoded)</translation>
    </message>
    <message id="PairNotDecoded">
        <source>a picture of the pair cannot be decoded</source>
        <translation>a picture of the pair cannot be decoded</translation>
    </message>
    <message id="PairSizesDiffer">
        <source>the pictures of the pair differ in size</source>
        <translation>the pictures of the pair differ in size</translation>
    </message>
    <message id="PairGrayscale">
        <source>the pictures of the pair are grayscale</source>
        <translation>the pictures of the pair are grayscale</translation>
    </message>
    <message id="EncodeViewNoMemory">
        <source>the view cannot be encoded (not enough memory)</source>
        <translation>the view cannot be encoded (not enough memory)</translation>
    </message>
    <message id="EncodePairNoMemory">
        <source>the pair cannot be encoded (not enough memory)</source>
        <translation>the pair cannot be encoded (not enough memory)</translation>
    </message>
    <message id="EncodePicturesNoMemory">
        <source>the pictures cannot be encoded (not enough memory)</source>
        <translation>the pictures cannot be encoded (not enough memory)</translation>
    </message>
    <message id="JoinRefused">
        <source>%1</source>
        <translation>%1</translation>
    </message>
    <message id="WriteFailed">
        <source>cannot write %1: %2</source>
        <translation>cannot write %1: %2</translation>
    </message>
    <message id="WriteNameTaken">
        <source>%1 exists, and an existing file is never replaced</source>
        <translation>%1 exists, and an existing file is never replaced</translation>
    </message>
    <message id="ConsoleCannotList">
        <source>cannot list %1: %2</source>
        <translation>cannot list %1: %2</translation>
    </message>
    <message id="ConsoleNumbersUsed">
        <source>%1 holds HNI_9999 already, the console’s last number</source>
        <translation>%1 holds HNI_9999 already, the console’s last number</translation>
    </message>
    <message id="ViewHalfParallel">
        <source>Half Side by Side (3D TV)</source>
        <translation>Half Side by Side (3D TV)</translation>
    </message>
    <message id="ViewHalfOverUnder">
        <source>Half Over/Under (3D TV)</source>
        <translation>Half Over/Under (3D TV)</translation>
    </message>
    <message id="MenuExportTvHalfSideBySide">
        <source>Export for a 3D TV, Half Side by Side (1920 × 1080)…</source>
        <translation>Export for a 3D TV, Half Side by Side (1920 × 1080)…</translation>
    </message>
    <message id="MenuExportTvHalfOverUnder">
        <source>Export for a 3D TV, Half Over/Under (1920 × 1080)…</source>
        <translation>Export for a 3D TV, Half Over/Under (1920 × 1080)…</translation>
    </message>
    <message id="MenuExportHeadset">
        <source>Export for a VR Headset, Full Side by Side (Each Picture at Its Own Size)…</source>
        <translation>Export for a VR Headset, Full Side by Side (Each Picture at Its Own Size)…</translation>
    </message>
    <message id="EncodeWiggleNoMemory">
        <source>the animation cannot be encoded (not enough memory)</source>
        <translation>the animation cannot be encoded (not enough memory)</translation>
    </message>
    <message id="WiggleNoPair">
        <source>an animation takes two pictures or more</source>
        <translation>an animation takes two pictures or more</translation>
    </message>
    <message id="MenuExportWiggle">
        <source>Export Wiggle Animation…</source>
        <translation>Export Wiggle Animation…</translation>
    </message>
    <message id="MenuConvertPictures">
        <source>Convert Pictures…</source>
        <translation>Convert Pictures…</translation>
    </message>
    <message id="PanelTitleExportWiggle">
        <source>Export Wiggle Animation</source>
        <translation>Export Wiggle Animation</translation>
    </message>
    <message id="PanelGifAnimation">
        <source>GIF animation</source>
        <translation>GIF animation</translation>
    </message>
    <message id="PanelWebpAnimation">
        <source>WebP animation</source>
        <translation>WebP animation</translation>
    </message>
    <message id="StatusWritingWiggle">
        <source>Writing the wiggle animation…</source>
        <translation>Writing the wiggle animation…</translation>
    </message>
    <message id="StatusWiggleWritten">
        <source>Wiggle animation written: %1</source>
        <translation>Wiggle animation written: %1</translation>
    </message>
    <message id="ConvertTitle">
        <source>Convert Pictures</source>
        <translation>Convert Pictures</translation>
    </message>
    <message id="ConvertFiles">
        <source>Stereo files to convert (MPO, JPS, PNS):</source>
        <translation>Stereo files to convert (MPO, JPS, PNS):</translation>
    </message>
    <message id="ConvertAddFiles">
        <source>Add Files…</source>
        <translation>Add Files…</translation>
    </message>
    <message id="ConvertAddFolder">
        <source>Add Folder…</source>
        <translation>Add Folder…</translation>
    </message>
    <message id="ConvertOutput">
        <source>Write:</source>
        <translation>Write:</translation>
    </message>
    <message id="ConvertAdjust">
        <source>Adjust:</source>
        <translation>Adjust:</translation>
    </message>
    <message id="ConvertAlign">
        <source>Align</source>
        <translation>Align</translation>
    </message>
    <message id="ConvertWindow">
        <source>Stereo window:</source>
        <translation>Stereo window:</translation>
    </message>
    <message id="ConvertCrop">
        <source>Crop to:</source>
        <translation>Crop to:</translation>
    </message>
    <message id="ConvertFolder">
        <source>Into the folder:</source>
        <translation>Into the folder:</translation>
    </message>
    <message id="ConvertButton">
        <source>Convert</source>
        <translation>Convert</translation>
    </message>
    <message id="ConvertTvHalfSideBySide">
        <source>3D TV, half side by side (1920 × 1080)</source>
        <translation>3D TV, half side by side (1920 × 1080)</translation>
    </message>
    <message id="ConvertTvHalfOverUnder">
        <source>3D TV, half over/under (1920 × 1080)</source>
        <translation>3D TV, half over/under (1920 × 1080)</translation>
    </message>
    <message id="ConvertHeadset">
        <source>VR headset, full side by side (each picture at its own size)</source>
        <translation>VR headset, full side by side (each picture at its own size)</translation>
    </message>
    <message id="ConvertWiggleGif">
        <source>Wiggle animation (GIF)</source>
        <translation>Wiggle animation (GIF)</translation>
    </message>
    <message id="ConvertWiggleWebp">
        <source>Wiggle animation (WebP)</source>
        <translation>Wiggle animation (WebP)</translation>
    </message>
    <message id="ConvertJps">
        <source>JPS picture, crossed side by side</source>
        <translation>JPS picture, crossed side by side</translation>
    </message>
    <message id="ConvertPns">
        <source>PNS picture, crossed side by side</source>
        <translation>PNS picture, crossed side by side</translation>
    </message>
    <message id="ConvertAdjustedPair">
        <source>Adjusted pair (MPO)</source>
        <translation>Adjusted pair (MPO)</translation>
    </message>
    <message id="ConvertConsole">
        <source>Nintendo 3DS (MPO, 640 × 480)</source>
        <translation>Nintendo 3DS (MPO, 640 × 480)</translation>
    </message>
    <message id="ConvertWritten">
        <source>%1 → %2</source>
        <translation>%1 → %2</translation>
    </message>
    <message id="ConvertProgress">
        <source>%1 of %2 files done</source>
        <translation>%1 of %2 files done</translation>
    </message>
    <message id="ConvertCancelling">
        <source>Cancelling: the files under way are being finished (%1 of %2 done)…</source>
        <translation>Cancelling: the files under way are being finished (%1 of %2 done)…</translation>
    </message>
    <message id="ConvertFinished">
        <source>%1 of %2 files written</source>
        <translation>%1 of %2 files written</translation>
    </message>
    <message id="ConvertCancelled">
        <source>Cancelled: %1 of %2 files written, none half-written</source>
        <translation>Cancelled: %1 of %2 files written, none half-written</translation>
    </message>
    <message id="ButtonClose">
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message id="ConvertNoFolderTitle">
        <source>The folder cannot be used</source>
        <translation>The folder cannot be used</translation>
    </message>
    <message id="ConvertNoFolder">
        <source>The folder %1 does not exist. Choose a folder that does.</source>
        <translation>The folder %1 does not exist. Choose a folder that does.</translation>
    </message>
    <message id="StatusConverted">
        <source>Converted: %1 of %2 files written to %3</source>
        <translation>Converted: %1 of %2 files written to %3</translation>
    </message>
    <message id="PanelTitleConvertFiles">
        <source>Add Stereo Files to Convert</source>
        <translation>Add Stereo Files to Convert</translation>
    </message>
    <message id="PanelTitleConvertFolder">
        <source>Add a Folder of Stereo Files</source>
        <translation>Add a Folder of Stereo Files</translation>
    </message>
    <message id="PanelTitleConvertTarget">
        <source>Choose the Folder for the New Files</source>
        <translation>Choose the Folder for the New Files</translation>
    </message>
    <message id="PanelStereoFiles">
        <source>Stereo files (MPO, JPS, PNS)</source>
        <translation>Stereo files (MPO, JPS, PNS)</translation>
    </message>
    <message id="ConvertWindowNearest">
        <source>Nearest points at the screen</source>
        <translation>Nearest points at the screen</translation>
    </message>
    <message id="ConvertWindowCamera">
        <source>As the camera showed it (Nintendo 3DS)</source>
        <translation>As the camera showed it (Nintendo 3DS)</translation>
    </message>
    <message id="ConvertCropAsTaken">
        <source>The shape taken</source>
        <translation>The shape taken</translation>
    </message>
    <message id="NoPairGainMap">
        <source>holds a photo and its HDR gain map (picture 2), not a stereo pair</source>
        <translation>holds a photo and its HDR gain map (picture 2), not a stereo pair</translation>
    </message>
    <message id="NoPairOnePicture">
        <source>holds a single picture, no stereo pair</source>
        <translation>holds a single picture, no stereo pair</translation>
    </message>
    <message id="NoPairSingleJpeg">
        <source>is not an MPO file this program can read (a single JPEG picture holds no pair)</source>
        <translation>is not an MPO file this program can read (a single JPEG picture holds no pair)</translation>
    </message>
    <message id="NoPictureNumber">
        <source>has no picture %1</source>
        <translation>has no picture %1</translation>
    </message>
    <message id="NotWrittenNoMemory">
        <source>is not written: not enough memory for its pictures</source>
        <translation>is not written: not enough memory for its pictures</translation>
    </message>
    <message id="ReasonOddWidth">
        <source>has an odd width, so its halves cannot be a pair</source>
        <translation>has an odd width, so its halves cannot be a pair</translation>
    </message>
    <message id="StepCannotAlign">
        <source>cannot be aligned: %1</source>
        <translation>cannot be aligned: %1</translation>
    </message>
    <message id="StepNotAligned">
        <source>is not aligned: %1</source>
        <translation>is not aligned: %1</translation>
    </message>
    <message id="StepNotAnimated">
        <source>is not animated: %1</source>
        <translation>is not animated: %1</translation>
    </message>
    <message id="StepNotForConsole">
        <source>is not written for the 3DS: %1</source>
        <translation>is not written for the 3DS: %1</translation>
    </message>
    <message id="StepNotShown">
        <source>is not shown in stereo: %1</source>
        <translation>is not shown in stereo: %1</translation>
    </message>
    <message id="StepNotWritten">
        <source>is not written: %1</source>
        <translation>is not written: %1</translation>
    </message>
    <message id="MenuBrowse">
        <source>Bro&amp;wse</source>
        <translation>Bro&amp;wse</translation>
    </message>
</context>
</TS>
