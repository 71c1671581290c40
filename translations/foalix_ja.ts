<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="zh_TW">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Foalix</source>
        <translation>Foalix について</translation>
    </message>
    <message>
        <source>Foal roster viewer for Galvaro save slots. Save files are only read, never written.</source>
        <translation>Galvaro のセーブスロットの 1 歳馬と 2 歳馬を一覧にするツールです。セーブファイルは読むだけで、書き換えることはありません。</translation>
    </message>
    <message>
        <source>Foalix is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License as published by the Free Software Foundation, either version 3 of the License, or (at your option) any later version (GPL-3.0-or-later). It comes with no warranty.</source>
        <translation>Foalix はフリーソフトウェアです。Free Software Foundation が公表した GNU 一般公衆利用許諾書のバージョン 3、またはそれ以降のバージョン（GPL-3.0-or-later）の条件の下で再頒布や改変ができます。無保証です。</translation>
    </message>
    <message>
        <source>Settings: %1</source>
        <translation>設定：%1</translation>
    </message>
    <message>
        <source>History: %1</source>
        <translation>履歴：%1</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>History not kept: %1</source>
        <translation>履歴に残せません：%1</translation>
    </message>
    <message>
        <source>This read was not kept in the history: %1</source>
        <translation>この読み込みは履歴に残せませんでした：%1</translation>
    </message>
    <message>
        <source>The history cannot be read: %1</source>
        <translation>履歴を読めません：%1</translation>
    </message>
    <message>
        <source>The history was not cleared: %1</source>
        <translation>履歴を消去できませんでした：%1</translation>
    </message>
    <message>
        <source>History was damaged: set aside as %1, a new one started</source>
        <translation>履歴が壊れていました：%1 として退避し、新しく始めました</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>ディスクがいっぱいです</translation>
    </message>
    <message>
        <source>it cannot be written</source>
        <translation>書き込めません</translation>
    </message>
    <message>
        <source>made by a newer Foalix</source>
        <translation>新しい版の Foalix で作られています</translation>
    </message>
    <message>
        <source>it is damaged and could not be set aside (%1)</source>
        <translation>壊れていて退避できませんでした（%1）</translation>
    </message>
    <message>
        <source>The star was not changed: %1</source>
        <translation>星を変更できませんでした：%1</translation>
    </message>
    <message>
        <source>This read waits to be kept in the history: %1</source>
        <translation>この読み込みは履歴に残すのを待っています：%1</translation>
    </message>
    <message>
        <source>The reads that waited are kept in the history</source>
        <translation>待っていた読み込みを履歴に残しました</translation>
    </message>
    <message>
        <source>another program is using it</source>
        <translation>ほかのプログラムが使用中です</translation>
    </message>
    <message>
        <source>The note was not changed: %1</source>
        <translation>メモを変更できませんでした：%1</translation>
    </message>
    <message>
        <source>The history was not backed up: %1</source>
        <translation>履歴をバックアップできませんでした：%1</translation>
    </message>
    <message>
        <source>The history was not restored: %1</source>
        <translation>履歴を復元できませんでした：%1</translation>
    </message>
    <message>
        <source>The history was restored; the one before it was set aside as %1</source>
        <translation>履歴を復元しました。それまでの履歴は %1 として退避しました</translation>
    </message>
    <message>
        <source>The history was restored</source>
        <translation>履歴を復元しました</translation>
    </message>
    <message>
        <source>the file is damaged</source>
        <translation>ファイルが壊れています</translation>
    </message>
    <message>
        <source>the file is not a Foalix history</source>
        <translation>Foalix の履歴ファイルではありません</translation>
    </message>
    <message>
        <source>The history is backed up to %1</source>
        <translation>履歴を %1 にバックアップしました</translation>
    </message>
    <message>
        <source>that file is the history itself</source>
        <translation>そのファイルは使用中の履歴そのものです</translation>
    </message>
    <message>
        <source>there is no history yet</source>
        <translation>履歴がまだありません</translation>
    </message>
</context>
<context>
    <name>HorseField</name>
    <message>
        <source>素質</source>
        <translation>素質</translation>
    </message>
    <message>
        <source>Grade, the foal&apos;s quality — S A B C D, S best</source>
        <translation>素質、馬の総合的な資質 — S A B C D、S が最良</translation>
    </message>
    <message>
        <source>ＳＰ</source>
        <translation>スピード</translation>
    </message>
    <message>
        <source>Speed — A B C D, A best</source>
        <translation>スピード — A B C D、A が最良</translation>
    </message>
    <message>
        <source>ＳＴ</source>
        <translation>スタミナ</translation>
    </message>
    <message>
        <source>Stamina — A B C D, A best</source>
        <translation>スタミナ — A B C D、A が最良</translation>
    </message>
    <message>
        <source>年齡</source>
        <translation>年齢</translation>
    </message>
    <message>
        <source>Age in years — 1, 2, or - for any other age</source>
        <translation>年齢 — 1、2、それ以外の年齢は -</translation>
    </message>
    <message>
        <source>体力</source>
        <translation>体力</translation>
    </message>
    <message>
        <source>Strength — A B C D, A best</source>
        <translation>体力 — A B C D、A が最良</translation>
    </message>
    <message>
        <source>根性</source>
        <translation>根性</translation>
    </message>
    <message>
        <source>Guts — A B C, A best</source>
        <translation>根性 — A B C、A が最良</translation>
    </message>
    <message>
        <source>成長</source>
        <translation>成長</translation>
    </message>
    <message>
        <source>Growth, when the foal matures — 早 early, 普 normal, 遲 late, 晚 very late</source>
        <translation>成長型、馬が完成する時期 — 早 早熟、普 普通、遲 遅め、晚 晩成</translation>
    </message>
    <message>
        <source>瞬發</source>
        <translation>瞬発力</translation>
    </message>
    <message>
        <source>Burst, the final spurt — A B C, A best</source>
        <translation>瞬発力、ゴール前の伸び — A B C、A が最良</translation>
    </message>
    <message>
        <source>芝適</source>
        <translation>芝適性</translation>
    </message>
    <message>
        <source>Turf aptitude — A B C, A best</source>
        <translation>芝適性 — A B C、A が最良</translation>
    </message>
    <message>
        <source>沙適</source>
        <translation>ダート適性</translation>
    </message>
    <message>
        <source>Dirt aptitude — A B C, A best</source>
        <translation>ダート適性 — A B C、A が最良</translation>
    </message>
    <message>
        <source>性別</source>
        <translation>性別</translation>
    </message>
    <message>
        <source>Sex — 牡 colt, 牝 filly</source>
        <translation>性別 — 牡 牡馬、牝 牝馬</translation>
    </message>
    <message>
        <source>精神</source>
        <translation>精神力</translation>
    </message>
    <message>
        <source>Spirit — A B C D, A best</source>
        <translation>精神力 — A B C D、A が最良</translation>
    </message>
    <message>
        <source>氣性</source>
        <translation>気性</translation>
    </message>
    <message>
        <source>Temper — 激 fierce, 荒 rough, 普 even, 大 calm</source>
        <translation>気性 — 激 激しい、荒 荒い、普 普通、大 おとなしい</translation>
    </message>
    <message>
        <source>賢&#x3000;</source>
        <translation>賢さ</translation>
    </message>
    <message>
        <source>Wits — A B C D, A best</source>
        <translation>賢さ — A B C D、A が最良</translation>
    </message>
</context>
<context>
    <name>Load</name>
    <message>
        <source>Save Data not found</source>
        <translation>セーブデータが見つかりません</translation>
    </message>
    <message>
        <source>Save Data is damaged</source>
        <translation>セーブデータが壊れています</translation>
    </message>
</context>
<context>
    <name>NameEncodingMenu</name>
    <message>
        <source>&amp;Automatic</source>
        <translation>自動(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Japanese (Shift-JIS)</source>
        <translation>日本語 Shift-JIS(&amp;J)</translation>
    </message>
    <message>
        <source>&amp;Traditional Chinese (Big5)</source>
        <translation>繁体字中国語 Big5(&amp;T)</translation>
    </message>
    <message>
        <source>Name &amp;Encoding</source>
        <translation>馬名の文字コード(&amp;E)</translation>
    </message>
</context>
<context>
    <name>ReadChanges</name>
    <message>
        <source>▲ better: was %1</source>
        <translation>▲ 上がった：以前は %1</translation>
    </message>
    <message>
        <source>▼ worse: was %1</source>
        <translation>▼ 下がった：以前は %1</translation>
    </message>
    <message>
        <source>◆ changed: was %1</source>
        <translation>◆ 変わった：以前は %1</translation>
    </message>
    <message>
        <source>新: new since %1</source>
        <translation>新：%1 以降の新規</translation>
    </message>
    <message numerus="yes">
        <source>%n gone</source>
        <translation>
            <numerusform>離脱 %n 頭</numerusform>
        </translation>
    </message>
    <message>
        <source>Since %1: %2, %3, %4</source>
        <comment>when, the new foals, the gone, the values</comment>
        <translation>%1 以降：%2、%3、%4</translation>
    </message>
    <message numerus="yes">
        <source>%n new</source>
        <translation>
            <numerusform>新規 %n 頭</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n values changed</source>
        <translation>
            <numerusform>値の変化 %n 件</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RosterSession</name>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation>実行時エラー &apos;%1&apos;:

%2</translation>
    </message>
</context>
<context>
    <name>RunTimeError</name>
    <message>
        <source>Overflow</source>
        <translation>オーバーフローしました</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>メモリが不足しています</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>インデックスが有効範囲にありません</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>型が一致しません</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>内部エラー</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>ファイルが見つかりません</translation>
    </message>
    <message>
        <source>Device I/O error</source>
        <translation>デバイス I/O エラー</translation>
    </message>
    <message>
        <source>Too many files</source>
        <translation>ファイルが多すぎます</translation>
    </message>
    <message>
        <source>Device unavailable</source>
        <translation>デバイスが使用できません</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>パス名またはファイル名のアクセス エラー</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>パスが見つかりません</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>アプリケーション定義またはオブジェクト定義のエラー</translation>
    </message>
</context>
<context>
    <name>ScoreProfile</name>
    <message>
        <source>Turf sprinter</source>
        <translation>芝スプリンター</translation>
    </message>
    <message>
        <source>Stayer</source>
        <translation>ステイヤー</translation>
    </message>
    <message>
        <source>Dirt runner</source>
        <translation>ダート馬</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>クラシック向き</translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation>バランス</translation>
    </message>
</context>
<context>
    <name>TableCopy</name>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>すべて選択(&amp;A)</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV に書き出す</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV ファイル (*.csv)</translation>
    </message>
    <message>
        <source>Save Image</source>
        <translation>画像を保存</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG 画像 (*.png)</translation>
    </message>
    <message>
        <source>Back Up History</source>
        <translation>履歴のバックアップ</translation>
    </message>
    <message>
        <source>Foalix histories (*.sqlite3)</source>
        <translation>Foalix の履歴 (*.sqlite3)</translation>
    </message>
</context>
<context>
    <name>foalix::session::RosterModel</name>
    <message>
        <source>No.</source>
        <translation>番号</translation>
    </message>
    <message>
        <source>馬名</source>
        <translation>馬名</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>変化</translation>
    </message>
    <message>
        <source>added</source>
        <translation>新規</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>離脱</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>変化</translation>
    </message>
    <message>
        <source>%1, best</source>
        <translation>%1、最良</translation>
    </message>
    <message>
        <source>The best of the foals listed</source>
        <translation>一覧の馬のなかで最良</translation>
    </message>
    <message>
        <source>starred</source>
        <translation>星付き</translation>
    </message>
    <message>
        <source>not starred</source>
        <translation>星なし</translation>
    </message>
    <message>
        <source>Starred: the foals to keep (Space stars them)</source>
        <translation>星付き：残す馬（スペースキーで星を付ける）</translation>
    </message>
    <message>
        <source>no score</source>
        <translation>スコアなし</translation>
    </message>
    <message>
        <source>評分</source>
        <translation>スコア</translation>
    </message>
    <message>
        <source>Score: 100 × Σ(weight × place) / Σ weight, rounded, where a value&apos;s place is its position on its own scale from the worst (0) to the best (1): on D C B A S, B is 0.5; on C B A, B is 0.5; on D C B A, B is ⅔</source>
        <translation>スコア：100 × Σ（重み × 位置）÷ Σ 重み、四捨五入。値の位置はその値の尺度での位置で、最低が 0、最高が 1（D C B A S では B が 0.5、C B A では B が 0.5、D C B A では B が ⅔）</translation>
    </message>
    <message>
        <source>%1 (profile %2)</source>
        <translation>%1（プロファイル：%2）</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a value&apos;s caption and its weight</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>every weight 0</source>
        <translation>重みはすべて 0</translation>
    </message>
    <message>
        <source>, </source>
        <translation>、</translation>
    </message>
    <message>
        <source>no note</source>
        <translation>メモなし</translation>
    </message>
    <message>
        <source>Your note on the foal; its #words are tags the filter finds (F2 writes it, Shift+Enter starts a new line)</source>
        <translation>この馬についてのメモ。#で始まる語はタグになり、絞り込みで探せます（F2 で書き込み、Shift+Enter で改行）</translation>
    </message>
    <message>
        <source>備註</source>
        <translation>メモ</translation>
    </message>
</context>
<context>
    <name>foalix::ui::ChangesLine</name>
    <message>
        <source>Gone — %1</source>
        <translation>離脱した馬 — %1</translation>
    </message>
    <message numerus="yes">
        <source>%n new: %1</source>
        <comment>the new foals, the best score first</comment>
        <translation>
            <numerusform>新規 %n 頭：%1</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the new foals</comment>
        <translation>、</translation>
    </message>
    <message numerus="yes">
        <source> and %n more</source>
        <comment>the new foals beyond those named</comment>
        <translation>
            <numerusform>、ほか %n 頭</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>foalix::ui::CompareWindow</name>
    <message>
        <source>%1 (gone)</source>
        <translation>%1（離脱）</translation>
    </message>
    <message>
        <source>Compare Foals</source>
        <translation>馬を比べる</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>Save &amp;Image…</source>
        <translation>画像を保存(&amp;I)…</translation>
    </message>
    <message>
        <source>Chart of the graded values</source>
        <translation>評価値のチャート</translation>
    </message>
    <message>
        <source>The same values as the table beside it, which a screen reader reads in its place</source>
        <translation>隣の表と同じ値です。スクリーンリーダーは代わりに表を読みます</translation>
    </message>
    <message>
        <source>Compared foals</source>
        <translation>比べている馬</translation>
    </message>
</context>
<context>
    <name>foalix::ui::ComparisonView</name>
    <message>
        <source>Export CSV…</source>
        <translation>CSV に書き出す…</translation>
    </message>
</context>
<context>
    <name>foalix::ui::FoalCard</name>
    <message>
        <source>%1 (%2): %3</source>
        <translation>%1（%2）：%3</translation>
    </message>
</context>
<context>
    <name>foalix::ui::FoalDetails</name>
    <message>
        <source>Selected foal</source>
        <translation>選んだ馬</translation>
    </message>
    <message>
        <source>%1：</source>
        <comment>a caption beside its box</comment>
        <translation>%1：</translation>
    </message>
</context>
<context>
    <name>foalix::ui::FoalStoryWindow</name>
    <message>
        <source>Read</source>
        <translation>読み込み</translation>
    </message>
    <message>
        <source>Choose a foal to see its story</source>
        <translation>馬を選ぶと、その馬の履歴が表示されます</translation>
    </message>
    <message>
        <source>Foal History</source>
        <translation>馬の履歴</translation>
    </message>
    <message numerus="yes">
        <source>%1 (No. %2): first kept %3, %n reads</source>
        <translation>
            <numerusform>%1（No. %2）：初めて記録 %3、読み込み %n 回</numerusform>
        </translation>
    </message>
    <message>
        <source>Foal History: %1</source>
        <translation>馬の履歴：%1</translation>
    </message>
    <message>
        <source>Save &amp;Card…</source>
        <translation>カードを保存(&amp;C)…</translation>
    </message>
    <message>
        <source>Copy as &amp;Text</source>
        <translation>テキストでコピー(&amp;T)</translation>
    </message>
    <message>
        <source>The foal&apos;s values at each read</source>
        <translation>読み込みごとの馬の値</translation>
    </message>
    <message>
        <source>The foal&apos;s graded values over the reads</source>
        <translation>読み込みを通した馬の評価値の推移</translation>
    </message>
</context>
<context>
    <name>foalix::ui::FolderList</name>
    <message numerus="yes">
        <source>Save slots %1</source>
        <comment>the slots a folder holds</comment>
        <translation>
            <numerusform>セーブスロット %1</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <comment>between slot numbers</comment>
        <translation>、</translation>
    </message>
</context>
<context>
    <name>foalix::ui::HistoryWindow</name>
    <message>
        <source>Read</source>
        <translation>読み込み</translation>
    </message>
    <message>
        <source>Foals</source>
        <translation>頭数</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>変化</translation>
    </message>
    <message>
        <source>History</source>
        <translation>履歴</translation>
    </message>
    <message>
        <source>History — Slot %1</source>
        <translation>履歴 — スロット %1</translation>
    </message>
    <message>
        <source>Choose two reads to compare them.</source>
        <translation>比べる読み込みを二つ選んでください。</translation>
    </message>
    <message>
        <source>From %1 to %2</source>
        <translation>%1 から %2 まで</translation>
    </message>
</context>
<context>
    <name>foalix::ui::MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Select Folder</source>
        <translation>フォルダーの選択(&amp;S)</translation>
    </message>
    <message>
        <source>Clear &amp;History…</source>
        <translation>履歴を消去(&amp;H)…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Roster Table</source>
        <translation>一覧表(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Follow Save File</source>
        <translation>セーブファイルを監視(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Dark Theme</source>
        <translation>ダークテーマ(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>履歴(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>言語(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About Foalix</source>
        <translation>Foalix について(&amp;A)</translation>
    </message>
    <message>
        <source>Mark &amp;Best Values</source>
        <translation>最良の値に印を付ける(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Compare Foals</source>
        <translation>馬を比べる(&amp;C)</translation>
    </message>
    <message>
        <source>Copy &amp;Diagnostics</source>
        <translation>診断情報をコピー(&amp;D)</translation>
    </message>
    <message>
        <source>Clear the history? Every kept read of every slot is forgotten.</source>
        <translation>履歴を消去しますか？&#x3000;すべてのスロットの読み込みの記録が失われます。</translation>
    </message>
    <message>
        <source>Diagnostics copied: paste them into your bug report</source>
        <translation>診断情報をコピーしました：不具合の報告に貼り付けてください</translation>
    </message>
    <message>
        <source>Stable &amp;Overview</source>
        <translation>厩舎の概要(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Back Up History…</source>
        <translation>履歴をバックアップ(&amp;B)…</translation>
    </message>
    <message>
        <source>&amp;Restore History…</source>
        <translation>履歴を復元(&amp;R)…</translation>
    </message>
    <message>
        <source>&amp;Foal History…</source>
        <translation>馬の履歴(&amp;F)…</translation>
    </message>
    <message>
        <source>Restore History</source>
        <translation>履歴の復元</translation>
    </message>
    <message>
        <source>Foalix histories (*.sqlite3);;All files (*)</source>
        <translation>Foalix の履歴 (*.sqlite3);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Take the history from %1? The one in use is set aside beside it, not deleted.</source>
        <translation>%1 から履歴を復元しますか？ 使用中の履歴は削除されず、横に退避されます。</translation>
    </message>
</context>
<context>
    <name>foalix::ui::MainWindow</name>
    <message>
        <source>Sava Data Path not found</source>
        <translation>セーブデータのフォルダーが見つかりません</translation>
    </message>
    <message>
        <source>Foalix for RK5</source>
        <translation>Foalix for RK5</translation>
    </message>
    <message>
        <source>１歲</source>
        <translation>１歳</translation>
    </message>
    <message>
        <source>２歲</source>
        <translation>２歳</translation>
    </message>
    <message>
        <source>共有：</source>
        <translation>頭数：</translation>
    </message>
    <message>
        <source>馬名</source>
        <translation>馬名</translation>
    </message>
    <message>
        <source>The foals of the ages ticked, by name: 新 arrived, ▲ better, ▼ worse, ◆ changed since the previous read</source>
        <translation>チェックした年齢の馬（名前順）：新 は新規の馬、▲ は上がった値、▼ は下がった値、◆ は変わった値（前回の読み込みと比べて）</translation>
    </message>
</context>
<context>
    <name>foalix::ui::NoteBox</name>
    <message>
        <source>%1：</source>
        <comment>a caption beside its box</comment>
        <translation>%1：</translation>
    </message>
</context>
<context>
    <name>foalix::ui::OwnedWindows</name>
    <message>
        <source>Choose two to four foals to compare: Ctrl+click them</source>
        <translation>比べる馬を 2～4 頭選んでください：Ctrl キーを押しながらクリックします</translation>
    </message>
</context>
<context>
    <name>foalix::ui::ProfilesDialog</name>
    <message>
        <source>%1 (in use)</source>
        <translation>%1（使用中）</translation>
    </message>
    <message>
        <source>Choose a foal to see its score</source>
        <translation>馬を選ぶとスコアが表示されます</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a foal&apos;s name and its score</comment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>no score</source>
        <translation>スコアなし</translation>
    </message>
    <message>
        <source>My profile</source>
        <translation>マイプロファイル</translation>
    </message>
    <message>
        <source>A profile needs a name of its own, on one line</source>
        <translation>プロファイルには、ほかと重ならない一行の名前が必要です</translation>
    </message>
    <message>
        <source>Score Profiles</source>
        <translation>スコアのプロファイル</translation>
    </message>
    <message>
        <source>The profile&apos;s name</source>
        <translation>プロファイルの名前</translation>
    </message>
    <message>
        <source>Score profiles</source>
        <translation>スコアのプロファイル</translation>
    </message>
    <message>
        <source>Weight of %1</source>
        <translation>%1 の重み</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新規(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Use</source>
        <translation>使用(&amp;U)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Save the changes to the profile %1?</source>
        <translation>プロファイル %1 の変更を保存しますか？</translation>
    </message>
    <message>
        <source>Delete the profile %1?</source>
        <translation>プロファイル %1 を削除しますか？</translation>
    </message>
    <message>
        <source>Na&amp;me:</source>
        <translation>名前(&amp;M)：</translation>
    </message>
</context>
<context>
    <name>foalix::ui::RadarChart</name>
    <message>
        <source>%1 (gone)</source>
        <translation>%1（離脱）</translation>
    </message>
</context>
<context>
    <name>foalix::ui::RosterProxy</name>
    <message>
        <source>&apos;%1&apos;: no comparison (use %2)</source>
        <translation>「%1」：比較の記号がありません（%2 のいずれかを使ってください）</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: no field &apos;%2&apos;; fields are %3</source>
        <translation>「%1」：「%2」という項目はありません。項目は %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: &apos;%2&apos; is no value of %3; its values are %4</source>
        <translation>「%1」：「%2」は %3 の値ではありません。値は %4</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: no value for %2; its values are %3</source>
        <translation>「%1」：%2 の値がありません。値は %3</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the fields or values listed</comment>
        <translation>、</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>the range of a score&apos;s values</comment>
        <translation>%1～%2</translation>
    </message>
</context>
<context>
    <name>foalix::ui::RosterTableBar</name>
    <message numerus="yes">
        <source>%1 / %n頭</source>
        <comment>the foals shown of those listed</comment>
        <translation>
            <numerusform>%1 / %n頭</numerusform>
        </translation>
    </message>
    <message>
        <source>Filter: a name, or values such as SP&gt;=A Grass=A</source>
        <translation>絞り込み：名前、または スピード&gt;=A 芝適性=A スコア&gt;=70 新 ★ のような条件</translation>
    </message>
    <message>
        <source>Filter by name or values</source>
        <translation>名前または値で絞り込む</translation>
    </message>
    <message>
        <source>Clear filter</source>
        <translation>絞り込みを解除</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>CSV に書き出す…</translation>
    </message>
    <message>
        <source>Starred &amp;only</source>
        <translation>星付きだけ(&amp;O)</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>（なし）</translation>
    </message>
    <message>
        <source>&amp;Score by:</source>
        <translation>スコア(&amp;S)：</translation>
    </message>
    <message>
        <source>Score profile</source>
        <translation>スコアのプロファイル</translation>
    </message>
    <message>
        <source>&amp;Profiles…</source>
        <translation>プロファイル(&amp;P)…</translation>
    </message>
    <message>
        <source>&amp;View:</source>
        <translation>ビュー(&amp;V)：</translation>
    </message>
    <message>
        <source>Saved view</source>
        <translation>保存したビュー</translation>
    </message>
    <message>
        <source>Save Vie&amp;w…</source>
        <translation>ビューを保存(&amp;W)…</translation>
    </message>
    <message>
        <source>More</source>
        <translation>その他</translation>
    </message>
    <message>
        <source>Rename or delete the view</source>
        <translation>ビューの名前を変える、または削除する</translation>
    </message>
    <message>
        <source>&amp;Rename View…</source>
        <translation>ビューの名前を変更(&amp;R)…</translation>
    </message>
    <message>
        <source>&amp;Delete View</source>
        <translation>ビューを削除(&amp;D)</translation>
    </message>
</context>
<context>
    <name>foalix::ui::RosterTableWindow</name>
    <message>
        <source>Roster Table — Slot %1</source>
        <translation>一覧表 — スロット %1</translation>
    </message>
    <message>
        <source>Roster Table</source>
        <translation>一覧表</translation>
    </message>
    <message>
        <source>Co&amp;mpare</source>
        <translation>比べる(&amp;M)</translation>
    </message>
    <message>
        <source>Un&amp;star</source>
        <translation>星を外す(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Star</source>
        <translation>星を付ける(&amp;S)</translation>
    </message>
    <message>
        <source>Save View</source>
        <translation>ビューを保存</translation>
    </message>
    <message>
        <source>The view&apos;s name:</source>
        <translation>ビューの名前：</translation>
    </message>
    <message>
        <source>Rename View</source>
        <translation>ビューの名前を変更</translation>
    </message>
    <message>
        <source>The view&apos;s new name:</source>
        <translation>ビューの新しい名前：</translation>
    </message>
    <message>
        <source>Delete the view %1?</source>
        <translation>ビュー「%1」を削除しますか？</translation>
    </message>
    <message>
        <source>The view %1 scores by the profile %2, which is no longer kept; the scores stay by %3.</source>
        <translation>ビュー %1 はプロファイル %2 でスコアを出しますが、そのプロファイルはもうありません。スコアは %3 のままです。</translation>
    </message>
    <message>
        <source>Replace the view %1?</source>
        <translation>ビュー %1 を置き換えますか？</translation>
    </message>
    <message>
        <source>A view needs a name.</source>
        <translation>ビューには名前が必要です。</translation>
    </message>
    <message>
        <source>A view is named %1 already.</source>
        <translation>%1 という名前のビューはすでにあります。</translation>
    </message>
    <message>
        <source>Write &amp;Note</source>
        <translation>メモを書く(&amp;N)</translation>
    </message>
    <message>
        <source>Foal &amp;History…</source>
        <translation>馬の履歴(&amp;H)…</translation>
    </message>
</context>
<context>
    <name>foalix::ui::SelectFolderDialog</name>
    <message>
        <source>Select Folder</source>
        <translation>フォルダーの選択</translation>
    </message>
    <message>
        <source>選擇資料夾</source>
        <translation>フォルダーを選ぶ</translation>
    </message>
    <message>
        <source>選擇磁碟機</source>
        <translation>ドライブを選ぶ</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>適用(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>名前(&amp;N)：</translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation>フォルダー(&amp;F)：</translation>
    </message>
    <message>
        <source>&amp;Drive</source>
        <translation>ドライブ(&amp;D)</translation>
    </message>
    <message>
        <source>無法存取 %1。
裝置尚未就緒。</source>
        <translation>%1 にアクセスできません。
デバイスの準備ができていません。</translation>
    </message>
</context>
<context>
    <name>foalix::ui::SlotFrame</name>
    <message>
        <source>Savedata</source>
        <translation>セーブデータ</translation>
    </message>
    <message>
        <source>實行</source>
        <translation>実行</translation>
    </message>
</context>
<context>
    <name>foalix::ui::StableOverview</name>
    <message numerus="yes">
        <source>%n foals listed</source>
        <translation>
            <numerusform>一覧の馬：%n頭</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2: %3 of %4</source>
        <comment>a field, a value, how many, of how many</comment>
        <translation>%1 %2：%4 頭中 %3 頭</translation>
    </message>
    <message>
        <source>Stable Overview</source>
        <translation>厩舎の概要</translation>
    </message>
    <message>
        <source>Save &amp;Image…</source>
        <translation>画像を保存(&amp;I)…</translation>
    </message>
    <message>
        <source>The listed foals&apos; values, counted</source>
        <translation>一覧の馬の値ごとの頭数</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>the score&apos;s row: the score, the profile it is by</comment>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>%1: every weight is 0, no foal has a score</source>
        <translation>%1：重みがすべて 0 なので、どの馬にもスコアはありません</translation>
    </message>
    <message>
        <source>none</source>
        <comment>the foals without a score</comment>
        <translation>なし</translation>
    </message>
</context>
<context>
    <name>foalix::ui::TotalBox</name>
    <message numerus="yes">
        <source>%n頭</source>
        <comment>the number of foals listed</comment>
        <translation>
            <numerusform>%n頭</numerusform>
        </translation>
    </message>
</context>
</TS>
