<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_TW">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Foalix</source>
        <translation>About Foalix</translation>
    </message>
    <message>
        <source>Foal roster viewer for Galvaro save slots. Save files are only read, never written.</source>
        <translation>Foal roster viewer for Galvaro save slots. Save files are only read, never written.</translation>
    </message>
    <message>
        <source>Foalix is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License as published by the Free Software Foundation, either version 3 of the License, or (at your option) any later version (GPL-3.0-or-later). It comes with no warranty.</source>
        <translation>Foalix is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License as published by the Free Software Foundation, either version 3 of the License, or (at your option) any later version (GPL-3.0-or-later). It comes with no warranty.</translation>
    </message>
    <message>
        <source>Settings: %1</source>
        <translation>Settings: %1</translation>
    </message>
    <message>
        <source>History: %1</source>
        <translation>History: %1</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>History not kept: %1</source>
        <translation>History not kept: %1</translation>
    </message>
    <message>
        <source>This read was not kept in the history: %1</source>
        <translation>This read was not kept in the history: %1</translation>
    </message>
    <message>
        <source>The history cannot be read: %1</source>
        <translation>The history cannot be read: %1</translation>
    </message>
    <message>
        <source>The history was not cleared: %1</source>
        <translation>The history was not cleared: %1</translation>
    </message>
    <message>
        <source>History was damaged: set aside as %1, a new one started</source>
        <translation>History was damaged: set aside as %1, a new one started</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>it cannot be written</source>
        <translation>it cannot be written</translation>
    </message>
    <message>
        <source>made by a newer Foalix</source>
        <translation>made by a newer Foalix</translation>
    </message>
    <message>
        <source>it is damaged and could not be set aside (%1)</source>
        <translation>it is damaged and could not be set aside (%1)</translation>
    </message>
    <message>
        <source>The star was not changed: %1</source>
        <translation>The star was not changed: %1</translation>
    </message>
    <message>
        <source>This read waits to be kept in the history: %1</source>
        <translation>This read waits to be kept in the history: %1</translation>
    </message>
    <message>
        <source>The reads that waited are kept in the history</source>
        <translation>The reads that waited are kept in the history</translation>
    </message>
    <message>
        <source>another program is using it</source>
        <translation>another program is using it</translation>
    </message>
    <message>
        <source>The note was not changed: %1</source>
        <translation>The note was not changed: %1</translation>
    </message>
    <message>
        <source>The history was not backed up: %1</source>
        <translation>The history was not backed up: %1</translation>
    </message>
    <message>
        <source>The history was not restored: %1</source>
        <translation>The history was not restored: %1</translation>
    </message>
    <message>
        <source>The history was restored; the one before it was set aside as %1</source>
        <translation>The history was restored; the one before it was set aside as %1</translation>
    </message>
    <message>
        <source>The history was restored</source>
        <translation>The history was restored</translation>
    </message>
    <message>
        <source>the file is damaged</source>
        <translation>the file is damaged</translation>
    </message>
    <message>
        <source>the file is not a Foalix history</source>
        <translation>the file is not a Foalix history</translation>
    </message>
    <message>
        <source>The history is backed up to %1</source>
        <translation>The history is backed up to %1</translation>
    </message>
    <message>
        <source>that file is the history itself</source>
        <translation>that file is the history itself</translation>
    </message>
    <message>
        <source>there is no history yet</source>
        <translation>there is no history yet</translation>
    </message>
</context>
<context>
    <name>HorseField</name>
    <message>
        <source>素質</source>
        <translation>Grade</translation>
    </message>
    <message>
        <source>Grade, the foal&apos;s quality — S A B C D, S best</source>
        <translation>Grade, the foal&apos;s quality — S A B C D, S best</translation>
    </message>
    <message>
        <source>ＳＰ</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Speed — A B C D, A best</source>
        <translation>Speed — A B C D, A best</translation>
    </message>
    <message>
        <source>ＳＴ</source>
        <translation>Stamina</translation>
    </message>
    <message>
        <source>Stamina — A B C D, A best</source>
        <translation>Stamina — A B C D, A best</translation>
    </message>
    <message>
        <source>年齡</source>
        <translation>Age</translation>
    </message>
    <message>
        <source>Age in years — 1, 2, or - for any other age</source>
        <translation>Age in years — 1, 2, or - for any other age</translation>
    </message>
    <message>
        <source>体力</source>
        <translation>Strength</translation>
    </message>
    <message>
        <source>Strength — A B C D, A best</source>
        <translation>Strength — A B C D, A best</translation>
    </message>
    <message>
        <source>根性</source>
        <translation>Guts</translation>
    </message>
    <message>
        <source>Guts — A B C, A best</source>
        <translation>Guts — A B C, A best</translation>
    </message>
    <message>
        <source>成長</source>
        <translation>Growth</translation>
    </message>
    <message>
        <source>Growth, when the foal matures — 早 early, 普 normal, 遲 late, 晚 very late</source>
        <translation>Growth, when the foal matures — 早 early, 普 normal, 遲 late, 晚 very late</translation>
    </message>
    <message>
        <source>瞬發</source>
        <translation>Burst</translation>
    </message>
    <message>
        <source>Burst, the final spurt — A B C, A best</source>
        <translation>Burst, the final spurt — A B C, A best</translation>
    </message>
    <message>
        <source>芝適</source>
        <translation>Turf</translation>
    </message>
    <message>
        <source>Turf aptitude — A B C, A best</source>
        <translation>Turf aptitude — A B C, A best</translation>
    </message>
    <message>
        <source>沙適</source>
        <translation>Dirt</translation>
    </message>
    <message>
        <source>Dirt aptitude — A B C, A best</source>
        <translation>Dirt aptitude — A B C, A best</translation>
    </message>
    <message>
        <source>性別</source>
        <translation>Sex</translation>
    </message>
    <message>
        <source>Sex — 牡 colt, 牝 filly</source>
        <translation>Sex — 牡 colt, 牝 filly</translation>
    </message>
    <message>
        <source>精神</source>
        <translation>Spirit</translation>
    </message>
    <message>
        <source>Spirit — A B C D, A best</source>
        <translation>Spirit — A B C D, A best</translation>
    </message>
    <message>
        <source>氣性</source>
        <translation>Temper</translation>
    </message>
    <message>
        <source>Temper — 激 fierce, 荒 rough, 普 even, 大 calm</source>
        <translation>Temper — 激 fierce, 荒 rough, 普 even, 大 calm</translation>
    </message>
    <message>
        <source>賢&#x3000;</source>
        <translation>Wits</translation>
    </message>
    <message>
        <source>Wits — A B C D, A best</source>
        <translation>Wits — A B C D, A best</translation>
    </message>
</context>
<context>
    <name>Load</name>
    <message>
        <source>Save Data not found</source>
        <translation>Save data not found</translation>
    </message>
    <message>
        <source>Save Data is damaged</source>
        <translation>Save data is damaged</translation>
    </message>
</context>
<context>
    <name>NameEncodingMenu</name>
    <message>
        <source>&amp;Automatic</source>
        <translation>&amp;Automatic</translation>
    </message>
    <message>
        <source>&amp;Japanese (Shift-JIS)</source>
        <translation>&amp;Japanese (Shift-JIS)</translation>
    </message>
    <message>
        <source>&amp;Traditional Chinese (Big5)</source>
        <translation>&amp;Traditional Chinese (Big5)</translation>
    </message>
    <message>
        <source>Name &amp;Encoding</source>
        <translation>Name &amp;Encoding</translation>
    </message>
</context>
<context>
    <name>ReadChanges</name>
    <message>
        <source>▲ better: was %1</source>
        <translation>▲ better: was %1</translation>
    </message>
    <message>
        <source>▼ worse: was %1</source>
        <translation>▼ worse: was %1</translation>
    </message>
    <message>
        <source>◆ changed: was %1</source>
        <translation>◆ changed: was %1</translation>
    </message>
    <message>
        <source>新: new since %1</source>
        <translation>新: new since %1</translation>
    </message>
    <message numerus="yes">
        <source>%n gone</source>
        <translation>
            <numerusform>%n gone</numerusform>
            <numerusform>%n gone</numerusform>
        </translation>
    </message>
    <message>
        <source>Since %1: %2, %3, %4</source>
        <comment>when, the new foals, the gone, the values</comment>
        <translation>Since %1: %2, %3, %4</translation>
    </message>
    <message numerus="yes">
        <source>%n new</source>
        <translation>
            <numerusform>%n new</numerusform>
            <numerusform>%n new</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n values changed</source>
        <translation>
            <numerusform>%n value changed</numerusform>
            <numerusform>%n values changed</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RosterSession</name>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation>Run-time error &apos;%1&apos;:

%2</translation>
    </message>
</context>
<context>
    <name>RunTimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Overflow</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Out of memory</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Subscript out of range</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Type mismatch</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Internal error</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>File not found</translation>
    </message>
    <message>
        <source>Device I/O error</source>
        <translation>Device I/O error</translation>
    </message>
    <message>
        <source>Too many files</source>
        <translation>Too many files</translation>
    </message>
    <message>
        <source>Device unavailable</source>
        <translation>Device unavailable</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Path/File access error</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Path not found</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Application-defined or object-defined error</translation>
    </message>
</context>
<context>
    <name>ScoreProfile</name>
    <message>
        <source>Turf sprinter</source>
        <translation>Turf sprinter</translation>
    </message>
    <message>
        <source>Stayer</source>
        <translation>Stayer</translation>
    </message>
    <message>
        <source>Dirt runner</source>
        <translation>Dirt runner</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Classic</translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation>Balanced</translation>
    </message>
</context>
<context>
    <name>TableCopy</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Select &amp;All</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Export CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>Save Image</source>
        <translation>Save Image</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG images (*.png)</translation>
    </message>
    <message>
        <source>Back Up History</source>
        <translation>Back Up History</translation>
    </message>
    <message>
        <source>Foalix histories (*.sqlite3)</source>
        <translation>Foalix histories (*.sqlite3)</translation>
    </message>
</context>
<context>
    <name>foalix::session::RosterModel</name>
    <message>
        <source>No.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>馬名</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>added</source>
        <translation>added</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>removed</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>changed</translation>
    </message>
    <message>
        <source>%1, best</source>
        <translation>%1, best</translation>
    </message>
    <message>
        <source>The best of the foals listed</source>
        <translation>The best of the foals listed</translation>
    </message>
    <message>
        <source>starred</source>
        <translation>starred</translation>
    </message>
    <message>
        <source>not starred</source>
        <translation>not starred</translation>
    </message>
    <message>
        <source>Starred: the foals to keep (Space stars them)</source>
        <translation>Starred: the foals to keep (Space stars them)</translation>
    </message>
    <message>
        <source>no score</source>
        <translation>no score</translation>
    </message>
    <message>
        <source>評分</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Score: 100 × Σ(weight × place) / Σ weight, rounded, where a value&apos;s place is its position on its own scale from the worst (0) to the best (1): on D C B A S, B is 0.5; on C B A, B is 0.5; on D C B A, B is ⅔</source>
        <translation>Score: 100 × Σ(weight × place) / Σ weight, rounded, where a value&apos;s place is its position on its own scale from the worst (0) to the best (1): on D C B A S, B is 0.5; on C B A, B is 0.5; on D C B A, B is ⅔</translation>
    </message>
    <message>
        <source>%1 (profile %2)</source>
        <translation>%1 (profile %2)</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a value&apos;s caption and its weight</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>every weight 0</source>
        <translation>every weight 0</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>no note</source>
        <translation>no note</translation>
    </message>
    <message>
        <source>Your note on the foal; its #words are tags the filter finds (F2 writes it, Shift+Enter starts a new line)</source>
        <translation>Your note on the foal; its #words are tags the filter finds (F2 writes it, Shift+Enter starts a new line)</translation>
    </message>
    <message>
        <source>備註</source>
        <translation>Note</translation>
    </message>
</context>
<context>
    <name>foalix::ui::ChangesLine</name>
    <message>
        <source>Gone — %1</source>
        <translation>Gone — %1</translation>
    </message>
    <message numerus="yes">
        <source>%n new: %1</source>
        <comment>the new foals, the best score first</comment>
        <translation>
            <numerusform>%n new: %1</numerusform>
            <numerusform>%n new: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the new foals</comment>
        <translation>, </translation>
    </message>
    <message numerus="yes">
        <source> and %n more</source>
        <comment>the new foals beyond those named</comment>
        <translation>
            <numerusform> and %n more</numerusform>
            <numerusform> and %n more</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>foalix::ui::CompareWindow</name>
    <message>
        <source>%1 (gone)</source>
        <translation>%1 (gone)</translation>
    </message>
    <message>
        <source>Compare Foals</source>
        <translation>Compare Foals</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>Save &amp;Image…</source>
        <translation>Save &amp;Image…</translation>
    </message>
    <message>
        <source>Chart of the graded values</source>
        <translation>Chart of the graded values</translation>
    </message>
    <message>
        <source>The same values as the table beside it, which a screen reader reads in its place</source>
        <translation>The same values as the table beside it, which a screen reader reads in its place</translation>
    </message>
    <message>
        <source>Compared foals</source>
        <translation>Compared foals</translation>
    </message>
</context>
<context>
    <name>foalix::ui::ComparisonView</name>
    <message>
        <source>Export CSV…</source>
        <translation>Export CSV…</translation>
    </message>
</context>
<context>
    <name>foalix::ui::FoalCard</name>
    <message>
        <source>%1 (%2): %3</source>
        <translation>%1 (%2): %3</translation>
    </message>
</context>
<context>
    <name>foalix::ui::FoalDetails</name>
    <message>
        <source>Selected foal</source>
        <translation>Selected foal</translation>
    </message>
    <message>
        <source>%1：</source>
        <comment>a caption beside its box</comment>
        <translation>%1:</translation>
    </message>
</context>
<context>
    <name>foalix::ui::FoalStoryWindow</name>
    <message>
        <source>Read</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Choose a foal to see its story</source>
        <translation>Choose a foal to see its story</translation>
    </message>
    <message>
        <source>Foal History</source>
        <translation>Foal History</translation>
    </message>
    <message numerus="yes">
        <source>%1 (No. %2): first kept %3, %n reads</source>
        <translation>
            <numerusform>%1 (No. %2): first kept %3, %n read</numerusform>
            <numerusform>%1 (No. %2): first kept %3, %n reads</numerusform>
        </translation>
    </message>
    <message>
        <source>Foal History: %1</source>
        <translation>Foal History: %1</translation>
    </message>
    <message>
        <source>Save &amp;Card…</source>
        <translation>Save &amp;Card…</translation>
    </message>
    <message>
        <source>Copy as &amp;Text</source>
        <translation>Copy as &amp;Text</translation>
    </message>
    <message>
        <source>The foal&apos;s values at each read</source>
        <translation>The foal&apos;s values at each read</translation>
    </message>
    <message>
        <source>The foal&apos;s graded values over the reads</source>
        <translation>The foal&apos;s graded values over the reads</translation>
    </message>
</context>
<context>
    <name>foalix::ui::FolderList</name>
    <message numerus="yes">
        <source>Save slots %1</source>
        <comment>the slots a folder holds</comment>
        <translation>
            <numerusform>Save slot %1</numerusform>
            <numerusform>Save slots %1</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <comment>between slot numbers</comment>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>foalix::ui::HistoryWindow</name>
    <message>
        <source>Read</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Foals</source>
        <translation>Foals</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Changes</translation>
    </message>
    <message>
        <source>History</source>
        <translation>History</translation>
    </message>
    <message>
        <source>History — Slot %1</source>
        <translation>History — Slot %1</translation>
    </message>
    <message>
        <source>Choose two reads to compare them.</source>
        <translation>Choose two reads to compare them.</translation>
    </message>
    <message>
        <source>From %1 to %2</source>
        <translation>From %1 to %2</translation>
    </message>
</context>
<context>
    <name>foalix::ui::MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Select Folder</source>
        <translation>&amp;Select Folder</translation>
    </message>
    <message>
        <source>Clear &amp;History…</source>
        <translation>Clear &amp;History…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Roster Table</source>
        <translation>&amp;Roster Table</translation>
    </message>
    <message>
        <source>&amp;Follow Save File</source>
        <translation>&amp;Follow Save File</translation>
    </message>
    <message>
        <source>&amp;Dark Theme</source>
        <translation>&amp;Dark Theme</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>&amp;History</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;About Foalix</source>
        <translation>&amp;About Foalix</translation>
    </message>
    <message>
        <source>Mark &amp;Best Values</source>
        <translation>Mark &amp;Best Values</translation>
    </message>
    <message>
        <source>&amp;Compare Foals</source>
        <translation>&amp;Compare Foals</translation>
    </message>
    <message>
        <source>Copy &amp;Diagnostics</source>
        <translation>Copy &amp;Diagnostics</translation>
    </message>
    <message>
        <source>Clear the history? Every kept read of every slot is forgotten.</source>
        <translation>Clear the history? Every kept read of every slot is forgotten.</translation>
    </message>
    <message>
        <source>Diagnostics copied: paste them into your bug report</source>
        <translation>Diagnostics copied: paste them into your bug report</translation>
    </message>
    <message>
        <source>Stable &amp;Overview</source>
        <translation>Stable &amp;Overview</translation>
    </message>
    <message>
        <source>&amp;Back Up History…</source>
        <translation>&amp;Back Up History…</translation>
    </message>
    <message>
        <source>&amp;Restore History…</source>
        <translation>&amp;Restore History…</translation>
    </message>
    <message>
        <source>&amp;Foal History…</source>
        <translation>&amp;Foal History…</translation>
    </message>
    <message>
        <source>Restore History</source>
        <translation>Restore History</translation>
    </message>
    <message>
        <source>Foalix histories (*.sqlite3);;All files (*)</source>
        <translation>Foalix histories (*.sqlite3);;All files (*)</translation>
    </message>
    <message>
        <source>Take the history from %1? The one in use is set aside beside it, not deleted.</source>
        <translation>Take the history from %1? The one in use is set aside beside it, not deleted.</translation>
    </message>
</context>
<context>
    <name>foalix::ui::MainWindow</name>
    <message>
        <source>Sava Data Path not found</source>
        <translation>Save data folder not found</translation>
    </message>
    <message>
        <source>Foalix for RK5</source>
        <translation>Foalix for RK5</translation>
    </message>
    <message>
        <source>１歲</source>
        <translation>Age 1</translation>
    </message>
    <message>
        <source>２歲</source>
        <translation>Age 2</translation>
    </message>
    <message>
        <source>共有：</source>
        <translation>Total:</translation>
    </message>
    <message>
        <source>馬名</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>The foals of the ages ticked, by name: 新 arrived, ▲ better, ▼ worse, ◆ changed since the previous read</source>
        <translation>The foals of the ages ticked, by name: 新 arrived, ▲ better, ▼ worse, ◆ changed since the previous read</translation>
    </message>
</context>
<context>
    <name>foalix::ui::NoteBox</name>
    <message>
        <source>%1：</source>
        <comment>a caption beside its box</comment>
        <translation>%1:</translation>
    </message>
</context>
<context>
    <name>foalix::ui::OwnedWindows</name>
    <message>
        <source>Choose two to four foals to compare: Ctrl+click them</source>
        <translation>Choose two to four foals to compare: Ctrl+click them</translation>
    </message>
</context>
<context>
    <name>foalix::ui::ProfilesDialog</name>
    <message>
        <source>%1 (in use)</source>
        <translation>%1 (in use)</translation>
    </message>
    <message>
        <source>Choose a foal to see its score</source>
        <translation>Choose a foal to see its score</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a foal&apos;s name and its score</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>no score</source>
        <translation>no score</translation>
    </message>
    <message>
        <source>My profile</source>
        <translation>My profile</translation>
    </message>
    <message>
        <source>A profile needs a name of its own, on one line</source>
        <translation>A profile needs a name of its own, on one line</translation>
    </message>
    <message>
        <source>Score Profiles</source>
        <translation>Score Profiles</translation>
    </message>
    <message>
        <source>The profile&apos;s name</source>
        <translation>The profile&apos;s name</translation>
    </message>
    <message>
        <source>Score profiles</source>
        <translation>Score profiles</translation>
    </message>
    <message>
        <source>Weight of %1</source>
        <translation>Weight of %1</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>&amp;Use</source>
        <translation>&amp;Use</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Save the changes to the profile %1?</source>
        <translation>Save the changes to the profile %1?</translation>
    </message>
    <message>
        <source>Delete the profile %1?</source>
        <translation>Delete the profile %1?</translation>
    </message>
    <message>
        <source>Na&amp;me:</source>
        <translation>Na&amp;me:</translation>
    </message>
</context>
<context>
    <name>foalix::ui::RadarChart</name>
    <message>
        <source>%1 (gone)</source>
        <translation>%1 (gone)</translation>
    </message>
</context>
<context>
    <name>foalix::ui::RosterProxy</name>
    <message>
        <source>&apos;%1&apos;: no comparison (use %2)</source>
        <translation>&apos;%1&apos;: no comparison (use %2)</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: no field &apos;%2&apos;; fields are %3</source>
        <translation>&apos;%1&apos;: no field &apos;%2&apos;; fields are %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: &apos;%2&apos; is no value of %3; its values are %4</source>
        <translation>&apos;%1&apos;: &apos;%2&apos; is no value of %3; its values are %4</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: no value for %2; its values are %3</source>
        <translation>&apos;%1&apos;: no value for %2; its values are %3</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the fields or values listed</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>the range of a score&apos;s values</comment>
        <translation>%1 to %2</translation>
    </message>
</context>
<context>
    <name>foalix::ui::RosterTableBar</name>
    <message numerus="yes">
        <source>%1 / %n頭</source>
        <comment>the foals shown of those listed</comment>
        <translation>
            <numerusform>%1 / %n foal</numerusform>
            <numerusform>%1 / %n foals</numerusform>
        </translation>
    </message>
    <message>
        <source>Filter: a name, or values such as SP&gt;=A Grass=A</source>
        <translation>Filter: a name, or conditions such as Speed&gt;=A Turf=A Score&gt;=70 new ★</translation>
    </message>
    <message>
        <source>Filter by name or values</source>
        <translation>Filter by name or values</translation>
    </message>
    <message>
        <source>Clear filter</source>
        <translation>Clear filter</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>Export CSV…</translation>
    </message>
    <message>
        <source>Starred &amp;only</source>
        <translation>Starred &amp;only</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>&amp;Score by:</source>
        <translation>&amp;Score by:</translation>
    </message>
    <message>
        <source>Score profile</source>
        <translation>Score profile</translation>
    </message>
    <message>
        <source>&amp;Profiles…</source>
        <translation>&amp;Profiles…</translation>
    </message>
    <message>
        <source>&amp;View:</source>
        <translation>&amp;View:</translation>
    </message>
    <message>
        <source>Saved view</source>
        <translation>Saved view</translation>
    </message>
    <message>
        <source>Save Vie&amp;w…</source>
        <translation>Save Vie&amp;w…</translation>
    </message>
    <message>
        <source>More</source>
        <translation>More</translation>
    </message>
    <message>
        <source>Rename or delete the view</source>
        <translation>Rename or delete the view</translation>
    </message>
    <message>
        <source>&amp;Rename View…</source>
        <translation>&amp;Rename View…</translation>
    </message>
    <message>
        <source>&amp;Delete View</source>
        <translation>&amp;Delete View</translation>
    </message>
</context>
<context>
    <name>foalix::ui::RosterTableWindow</name>
    <message>
        <source>Roster Table — Slot %1</source>
        <translation>Roster Table — Slot %1</translation>
    </message>
    <message>
        <source>Roster Table</source>
        <translation>Roster Table</translation>
    </message>
    <message>
        <source>Co&amp;mpare</source>
        <translation>Co&amp;mpare</translation>
    </message>
    <message>
        <source>Un&amp;star</source>
        <translation>Un&amp;star</translation>
    </message>
    <message>
        <source>&amp;Star</source>
        <translation>&amp;Star</translation>
    </message>
    <message>
        <source>Save View</source>
        <translation>Save View</translation>
    </message>
    <message>
        <source>The view&apos;s name:</source>
        <translation>The view&apos;s name:</translation>
    </message>
    <message>
        <source>Rename View</source>
        <translation>Rename View</translation>
    </message>
    <message>
        <source>The view&apos;s new name:</source>
        <translation>The view&apos;s new name:</translation>
    </message>
    <message>
        <source>Delete the view %1?</source>
        <translation>Delete the view %1?</translation>
    </message>
    <message>
        <source>The view %1 scores by the profile %2, which is no longer kept; the scores stay by %3.</source>
        <translation>The view %1 scores by the profile %2, which is no longer kept; the scores stay by %3.</translation>
    </message>
    <message>
        <source>Replace the view %1?</source>
        <translation>Replace the view %1?</translation>
    </message>
    <message>
        <source>A view needs a name.</source>
        <translation>A view needs a name.</translation>
    </message>
    <message>
        <source>A view is named %1 already.</source>
        <translation>A view is named %1 already.</translation>
    </message>
    <message>
        <source>Write &amp;Note</source>
        <translation>Write &amp;Note</translation>
    </message>
    <message>
        <source>Foal &amp;History…</source>
        <translation>Foal &amp;History…</translation>
    </message>
</context>
<context>
    <name>foalix::ui::SelectFolderDialog</name>
    <message>
        <source>Select Folder</source>
        <translation>Select Folder</translation>
    </message>
    <message>
        <source>選擇資料夾</source>
        <translation>Choose a folder</translation>
    </message>
    <message>
        <source>選擇磁碟機</source>
        <translation>Choose a drive</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Apply</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation>&amp;Folder:</translation>
    </message>
    <message>
        <source>&amp;Drive</source>
        <translation>&amp;Drive</translation>
    </message>
    <message>
        <source>無法存取 %1。
裝置尚未就緒。</source>
        <translation>Cannot reach %1.
The device is not ready.</translation>
    </message>
</context>
<context>
    <name>foalix::ui::SlotFrame</name>
    <message>
        <source>Savedata</source>
        <translation>Save data</translation>
    </message>
    <message>
        <source>實行</source>
        <translation>Read</translation>
    </message>
</context>
<context>
    <name>foalix::ui::StableOverview</name>
    <message numerus="yes">
        <source>%n foals listed</source>
        <translation>
            <numerusform>%n foal listed</numerusform>
            <numerusform>%n foals listed</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2: %3 of %4</source>
        <comment>a field, a value, how many, of how many</comment>
        <translation>%1 %2: %3 of %4</translation>
    </message>
    <message>
        <source>Stable Overview</source>
        <translation>Stable Overview</translation>
    </message>
    <message>
        <source>Save &amp;Image…</source>
        <translation>Save &amp;Image…</translation>
    </message>
    <message>
        <source>The listed foals&apos; values, counted</source>
        <translation>The listed foals&apos; values, counted</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>the score&apos;s row: the score, the profile it is by</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1: every weight is 0, no foal has a score</source>
        <translation>%1: every weight is 0, no foal has a score</translation>
    </message>
    <message>
        <source>none</source>
        <comment>the foals without a score</comment>
        <translation>none</translation>
    </message>
</context>
<context>
    <name>foalix::ui::TotalBox</name>
    <message numerus="yes">
        <source>%n頭</source>
        <comment>the number of foals listed</comment>
        <translation>
            <numerusform>%n foal</numerusform>
            <numerusform>%n foals</numerusform>
        </translation>
    </message>
</context>
</TS>
