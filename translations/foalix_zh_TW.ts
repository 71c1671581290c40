<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="zh_TW">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Foalix</source>
        <translation>關於 Foalix</translation>
    </message>
    <message>
        <source>Foal roster viewer for Galvaro save slots. Save files are only read, never written.</source>
        <translation>Galvaro 存檔欄位的幼駒名冊檢視器。存檔只會讀取，絕不寫入。</translation>
    </message>
    <message>
        <source>Foalix is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License as published by the Free Software Foundation, either version 3 of the License, or (at your option) any later version (GPL-3.0-or-later). It comes with no warranty.</source>
        <translation>Foalix 是自由軟體：您可以依自由軟體基金會發布的 GNU 通用公共授權條款第 3 版，或（由您選擇）任何更新的版本（GPL-3.0-or-later）重新散布或修改。本軟體不提供任何擔保。</translation>
    </message>
    <message>
        <source>Settings: %1</source>
        <translation>設定：%1</translation>
    </message>
    <message>
        <source>History: %1</source>
        <translation>紀錄：%1</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>History not kept: %1</source>
        <translation>未保存紀錄：%1</translation>
    </message>
    <message>
        <source>This read was not kept in the history: %1</source>
        <translation>這次讀取未存入紀錄：%1</translation>
    </message>
    <message>
        <source>The history cannot be read: %1</source>
        <translation>無法讀取紀錄：%1</translation>
    </message>
    <message>
        <source>The history was not cleared: %1</source>
        <translation>未能清除紀錄：%1</translation>
    </message>
    <message>
        <source>History was damaged: set aside as %1, a new one started</source>
        <translation>紀錄已損毀：已另存為 %1，並重新開始新的紀錄</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>磁碟已滿</translation>
    </message>
    <message>
        <source>it cannot be written</source>
        <translation>無法寫入</translation>
    </message>
    <message>
        <source>made by a newer Foalix</source>
        <translation>由較新版的 Foalix 建立</translation>
    </message>
    <message>
        <source>it is damaged and could not be set aside (%1)</source>
        <translation>已損毀且無法另存（%1）</translation>
    </message>
    <message>
        <source>The star was not changed: %1</source>
        <translation>未能變更星號：%1</translation>
    </message>
    <message>
        <source>This read waits to be kept in the history: %1</source>
        <translation>這次讀取等待存入紀錄：%1</translation>
    </message>
    <message>
        <source>The reads that waited are kept in the history</source>
        <translation>等待中的讀取已存入紀錄</translation>
    </message>
    <message>
        <source>another program is using it</source>
        <translation>另一個程式正在使用</translation>
    </message>
    <message>
        <source>The note was not changed: %1</source>
        <translation>未能變更備註：%1</translation>
    </message>
    <message>
        <source>The history was not backed up: %1</source>
        <translation>未能備份紀錄：%1</translation>
    </message>
    <message>
        <source>The history was not restored: %1</source>
        <translation>未能還原紀錄：%1</translation>
    </message>
    <message>
        <source>The history was restored; the one before it was set aside as %1</source>
        <translation>紀錄已還原；原本的紀錄已另存為 %1</translation>
    </message>
    <message>
        <source>The history was restored</source>
        <translation>紀錄已還原</translation>
    </message>
    <message>
        <source>the file is damaged</source>
        <translation>檔案已損毀</translation>
    </message>
    <message>
        <source>the file is not a Foalix history</source>
        <translation>不是 Foalix 的紀錄檔</translation>
    </message>
    <message>
        <source>The history is backed up to %1</source>
        <translation>紀錄已備份至 %1</translation>
    </message>
    <message>
        <source>that file is the history itself</source>
        <translation>該檔案就是目前使用中的紀錄</translation>
    </message>
    <message>
        <source>there is no history yet</source>
        <translation>尚無任何紀錄</translation>
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
        <translation>素質，幼駒的整體資質 — S A B C D，S 最佳</translation>
    </message>
    <message>
        <source>ＳＰ</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>Speed — A B C D, A best</source>
        <translation>速度 — A B C D，A 最佳</translation>
    </message>
    <message>
        <source>ＳＴ</source>
        <translation>持久力</translation>
    </message>
    <message>
        <source>Stamina — A B C D, A best</source>
        <translation>持久力 — A B C D，A 最佳</translation>
    </message>
    <message>
        <source>年齡</source>
        <translation>年齡</translation>
    </message>
    <message>
        <source>Age in years — 1, 2, or - for any other age</source>
        <translation>年齡 — 1、2，其他年齡為 -</translation>
    </message>
    <message>
        <source>体力</source>
        <translation>體力</translation>
    </message>
    <message>
        <source>Strength — A B C D, A best</source>
        <translation>體力 — A B C D，A 最佳</translation>
    </message>
    <message>
        <source>根性</source>
        <translation>根性</translation>
    </message>
    <message>
        <source>Guts — A B C, A best</source>
        <translation>根性 — A B C，A 最佳</translation>
    </message>
    <message>
        <source>成長</source>
        <translation>成長</translation>
    </message>
    <message>
        <source>Growth, when the foal matures — 早 early, 普 normal, 遲 late, 晚 very late</source>
        <translation>成長型，幼駒成熟的時期 — 早 早熟、普 普通、遲 遲熟、晚 極晚熟</translation>
    </message>
    <message>
        <source>瞬發</source>
        <translation>瞬發力</translation>
    </message>
    <message>
        <source>Burst, the final spurt — A B C, A best</source>
        <translation>瞬發力，最後的衝刺 — A B C，A 最佳</translation>
    </message>
    <message>
        <source>芝適</source>
        <translation>草地適性</translation>
    </message>
    <message>
        <source>Turf aptitude — A B C, A best</source>
        <translation>草地適性 — A B C，A 最佳</translation>
    </message>
    <message>
        <source>沙適</source>
        <translation>泥地適性</translation>
    </message>
    <message>
        <source>Dirt aptitude — A B C, A best</source>
        <translation>泥地適性 — A B C，A 最佳</translation>
    </message>
    <message>
        <source>性別</source>
        <translation>性別</translation>
    </message>
    <message>
        <source>Sex — 牡 colt, 牝 filly</source>
        <translation>性別 — 牡 公馬、牝 母馬</translation>
    </message>
    <message>
        <source>精神</source>
        <translation>精神力</translation>
    </message>
    <message>
        <source>Spirit — A B C D, A best</source>
        <translation>精神力 — A B C D，A 最佳</translation>
    </message>
    <message>
        <source>氣性</source>
        <translation>氣性</translation>
    </message>
    <message>
        <source>Temper — 激 fierce, 荒 rough, 普 even, 大 calm</source>
        <translation>氣性 — 激 激烈、荒 粗暴、普 普通、大 溫順</translation>
    </message>
    <message>
        <source>賢&#x3000;</source>
        <translation>智力</translation>
    </message>
    <message>
        <source>Wits — A B C D, A best</source>
        <translation>智力 — A B C D，A 最佳</translation>
    </message>
</context>
<context>
    <name>Load</name>
    <message>
        <source>Save Data not found</source>
        <translation>找不到存檔</translation>
    </message>
    <message>
        <source>Save Data is damaged</source>
        <translation>存檔已損毀</translation>
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
        <translation>日文 Shift-JIS(&amp;J)</translation>
    </message>
    <message>
        <source>&amp;Traditional Chinese (Big5)</source>
        <translation>繁體中文 Big5(&amp;T)</translation>
    </message>
    <message>
        <source>Name &amp;Encoding</source>
        <translation>馬名編碼(&amp;E)</translation>
    </message>
</context>
<context>
    <name>ReadChanges</name>
    <message>
        <source>▲ better: was %1</source>
        <translation>▲ 提升：原為 %1</translation>
    </message>
    <message>
        <source>▼ worse: was %1</source>
        <translation>▼ 下降：原為 %1</translation>
    </message>
    <message>
        <source>◆ changed: was %1</source>
        <translation>◆ 改變：原為 %1</translation>
    </message>
    <message>
        <source>新: new since %1</source>
        <translation>新：%1 以來加入</translation>
    </message>
    <message numerus="yes">
        <source>%n gone</source>
        <translation>
            <numerusform>離開 %n 頭</numerusform>
        </translation>
    </message>
    <message>
        <source>Since %1: %2, %3, %4</source>
        <comment>when, the new foals, the gone, the values</comment>
        <translation>%1 以來：%2，%3，%4</translation>
    </message>
    <message numerus="yes">
        <source>%n new</source>
        <translation>
            <numerusform>加入 %n 頭</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n values changed</source>
        <translation>
            <numerusform>%n 項數值改變</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RosterSession</name>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation>執行階段錯誤 &apos;%1&apos;:

%2</translation>
    </message>
</context>
<context>
    <name>RunTimeError</name>
    <message>
        <source>Overflow</source>
        <translation>溢位</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>記憶體不足</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>索引超出範圍</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>型態不符</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>內部錯誤</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>找不到檔案</translation>
    </message>
    <message>
        <source>Device I/O error</source>
        <translation>裝置 I/O 錯誤</translation>
    </message>
    <message>
        <source>Too many files</source>
        <translation>檔案太多</translation>
    </message>
    <message>
        <source>Device unavailable</source>
        <translation>裝置無法使用</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>路徑/檔案存取錯誤</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>找不到路徑</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>應用程式定義或物件定義的錯誤</translation>
    </message>
</context>
<context>
    <name>ScoreProfile</name>
    <message>
        <source>Turf sprinter</source>
        <translation>草地短途型</translation>
    </message>
    <message>
        <source>Stayer</source>
        <translation>長途型</translation>
    </message>
    <message>
        <source>Dirt runner</source>
        <translation>泥地型</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>經典型</translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation>均衡</translation>
    </message>
</context>
<context>
    <name>TableCopy</name>
    <message>
        <source>&amp;Copy</source>
        <translation>複製(&amp;C)</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>全選(&amp;A)</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>匯出 CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV 檔案 (*.csv)</translation>
    </message>
    <message>
        <source>Save Image</source>
        <translation>儲存圖片</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG 圖片 (*.png)</translation>
    </message>
    <message>
        <source>Back Up History</source>
        <translation>備份紀錄</translation>
    </message>
    <message>
        <source>Foalix histories (*.sqlite3)</source>
        <translation>Foalix 紀錄檔 (*.sqlite3)</translation>
    </message>
</context>
<context>
    <name>foalix::session::RosterModel</name>
    <message>
        <source>No.</source>
        <translation>編號</translation>
    </message>
    <message>
        <source>馬名</source>
        <translation>馬名</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>變化</translation>
    </message>
    <message>
        <source>added</source>
        <translation>加入</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>離開</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>改變</translation>
    </message>
    <message>
        <source>%1, best</source>
        <translation>%1，最佳</translation>
    </message>
    <message>
        <source>The best of the foals listed</source>
        <translation>列出的幼駒中最佳</translation>
    </message>
    <message>
        <source>starred</source>
        <translation>已加星號</translation>
    </message>
    <message>
        <source>not starred</source>
        <translation>未加星號</translation>
    </message>
    <message>
        <source>Starred: the foals to keep (Space stars them)</source>
        <translation>星號：要留下的幼駒（按空白鍵加星號）</translation>
    </message>
    <message>
        <source>no score</source>
        <translation>沒有評分</translation>
    </message>
    <message>
        <source>評分</source>
        <translation>評分</translation>
    </message>
    <message>
        <source>Score: 100 × Σ(weight × place) / Σ weight, rounded, where a value&apos;s place is its position on its own scale from the worst (0) to the best (1): on D C B A S, B is 0.5; on C B A, B is 0.5; on D C B A, B is ⅔</source>
        <translation>評分：100 × Σ（權重 × 位置）÷ Σ 權重，四捨五入；數值的位置是它在自己等級中的位置，最差為 0、最佳為 1（D C B A S 中 B 為 0.5，C B A 中 B 為 0.5，D C B A 中 B 為 ⅔）</translation>
    </message>
    <message>
        <source>%1 (profile %2)</source>
        <translation>%1（評分方案：%2）</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a value&apos;s caption and its weight</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>every weight 0</source>
        <translation>權重全為 0</translation>
    </message>
    <message>
        <source>, </source>
        <translation>、</translation>
    </message>
    <message>
        <source>no note</source>
        <translation>無備註</translation>
    </message>
    <message>
        <source>Your note on the foal; its #words are tags the filter finds (F2 writes it, Shift+Enter starts a new line)</source>
        <translation>你對這匹馬的備註；以 # 開頭的詞是標籤，可用篩選找到（按 F2 編寫，Shift+Enter 換行）</translation>
    </message>
    <message>
        <source>備註</source>
        <translation>備註</translation>
    </message>
</context>
<context>
    <name>foalix::ui::ChangesLine</name>
    <message>
        <source>Gone — %1</source>
        <translation>已離開 — %1</translation>
    </message>
    <message numerus="yes">
        <source>%n new: %1</source>
        <comment>the new foals, the best score first</comment>
        <translation>
            <numerusform>加入 %n 頭：%1</numerusform>
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
            <numerusform>，另有 %n 頭</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>foalix::ui::CompareWindow</name>
    <message>
        <source>%1 (gone)</source>
        <translation>%1（已離開）</translation>
    </message>
    <message>
        <source>Compare Foals</source>
        <translation>比較幼駒</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>複製(&amp;C)</translation>
    </message>
    <message>
        <source>Save &amp;Image…</source>
        <translation>儲存圖片(&amp;I)…</translation>
    </message>
    <message>
        <source>Chart of the graded values</source>
        <translation>評等數值的圖表</translation>
    </message>
    <message>
        <source>The same values as the table beside it, which a screen reader reads in its place</source>
        <translation>與旁邊表格的數值相同，螢幕閱讀器會改讀該表格</translation>
    </message>
    <message>
        <source>Compared foals</source>
        <translation>比較中的幼駒</translation>
    </message>
</context>
<context>
    <name>foalix::ui::ComparisonView</name>
    <message>
        <source>Export CSV…</source>
        <translation>匯出 CSV…</translation>
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
        <translation>選取的幼駒</translation>
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
        <translation>讀取</translation>
    </message>
    <message>
        <source>Choose a foal to see its story</source>
        <translation>選擇一匹馬以查看牠的紀錄</translation>
    </message>
    <message>
        <source>Foal History</source>
        <translation>馬匹紀錄</translation>
    </message>
    <message numerus="yes">
        <source>%1 (No. %2): first kept %3, %n reads</source>
        <translation>
            <numerusform>%1（No. %2）：首次紀錄於 %3，共讀取 %n 次</numerusform>
        </translation>
    </message>
    <message>
        <source>Foal History: %1</source>
        <translation>馬匹紀錄：%1</translation>
    </message>
    <message>
        <source>Save &amp;Card…</source>
        <translation>儲存卡片(&amp;C)…</translation>
    </message>
    <message>
        <source>Copy as &amp;Text</source>
        <translation>複製為文字(&amp;T)</translation>
    </message>
    <message>
        <source>The foal&apos;s values at each read</source>
        <translation>每次讀取時的馬匹數值</translation>
    </message>
    <message>
        <source>The foal&apos;s graded values over the reads</source>
        <translation>馬匹評級數值在各次讀取間的變化</translation>
    </message>
</context>
<context>
    <name>foalix::ui::FolderList</name>
    <message numerus="yes">
        <source>Save slots %1</source>
        <comment>the slots a folder holds</comment>
        <translation>
            <numerusform>存檔欄位 %1</numerusform>
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
        <translation>讀取</translation>
    </message>
    <message>
        <source>Foals</source>
        <translation>頭數</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>變化</translation>
    </message>
    <message>
        <source>History</source>
        <translation>紀錄</translation>
    </message>
    <message>
        <source>History — Slot %1</source>
        <translation>紀錄 — 存檔欄位 %1</translation>
    </message>
    <message>
        <source>Choose two reads to compare them.</source>
        <translation>請選擇兩次讀取來比較。</translation>
    </message>
    <message>
        <source>From %1 to %2</source>
        <translation>從 %1 到 %2</translation>
    </message>
</context>
<context>
    <name>foalix::ui::MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>檔案(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Select Folder</source>
        <translation>選擇資料夾(&amp;S)</translation>
    </message>
    <message>
        <source>Clear &amp;History…</source>
        <translation>清除紀錄(&amp;H)…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>結束(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>檢視(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Roster Table</source>
        <translation>名冊表(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Follow Save File</source>
        <translation>追蹤存檔(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Dark Theme</source>
        <translation>深色主題(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>紀錄(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>語言(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>說明(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About Foalix</source>
        <translation>關於 Foalix(&amp;A)</translation>
    </message>
    <message>
        <source>Mark &amp;Best Values</source>
        <translation>標示最佳數值(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Compare Foals</source>
        <translation>比較幼駒(&amp;C)</translation>
    </message>
    <message>
        <source>Copy &amp;Diagnostics</source>
        <translation>複製診斷資訊(&amp;D)</translation>
    </message>
    <message>
        <source>Clear the history? Every kept read of every slot is forgotten.</source>
        <translation>要清除紀錄嗎？所有存檔欄位保存的讀取紀錄都會遺失。</translation>
    </message>
    <message>
        <source>Diagnostics copied: paste them into your bug report</source>
        <translation>已複製診斷資訊：請貼到您的問題回報中</translation>
    </message>
    <message>
        <source>Stable &amp;Overview</source>
        <translation>馬廄總覽(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Back Up History…</source>
        <translation>備份紀錄(&amp;B)…</translation>
    </message>
    <message>
        <source>&amp;Restore History…</source>
        <translation>還原紀錄(&amp;R)…</translation>
    </message>
    <message>
        <source>&amp;Foal History…</source>
        <translation>馬匹紀錄(&amp;F)…</translation>
    </message>
    <message>
        <source>Restore History</source>
        <translation>還原紀錄</translation>
    </message>
    <message>
        <source>Foalix histories (*.sqlite3);;All files (*)</source>
        <translation>Foalix 紀錄檔 (*.sqlite3);;所有檔案 (*)</translation>
    </message>
    <message>
        <source>Take the history from %1? The one in use is set aside beside it, not deleted.</source>
        <translation>要從 %1 還原紀錄嗎？目前使用的紀錄不會刪除，會另存在旁邊。</translation>
    </message>
</context>
<context>
    <name>foalix::ui::MainWindow</name>
    <message>
        <source>Sava Data Path not found</source>
        <translation>找不到存檔資料夾</translation>
    </message>
    <message>
        <source>Foalix for RK5</source>
        <translation>Foalix for RK5</translation>
    </message>
    <message>
        <source>１歲</source>
        <translation>１歲</translation>
    </message>
    <message>
        <source>２歲</source>
        <translation>２歲</translation>
    </message>
    <message>
        <source>共有：</source>
        <translation>共有：</translation>
    </message>
    <message>
        <source>馬名</source>
        <translation>馬名</translation>
    </message>
    <message>
        <source>The foals of the ages ticked, by name: 新 arrived, ▲ better, ▼ worse, ◆ changed since the previous read</source>
        <translation>勾選年齡的幼駒，依馬名排列：新 為新加入、▲ 提升、▼ 下降、◆ 改變（與上次讀取相比）</translation>
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
        <translation>請選擇二至四頭要比較的幼駒：按住 Ctrl 鍵點選</translation>
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
        <translation>選取幼駒即可看到評分</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a foal&apos;s name and its score</comment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>no score</source>
        <translation>沒有評分</translation>
    </message>
    <message>
        <source>My profile</source>
        <translation>我的評分方案</translation>
    </message>
    <message>
        <source>A profile needs a name of its own, on one line</source>
        <translation>評分方案需要一個不重複、只有一行的名稱</translation>
    </message>
    <message>
        <source>Score Profiles</source>
        <translation>評分方案</translation>
    </message>
    <message>
        <source>The profile&apos;s name</source>
        <translation>評分方案名稱</translation>
    </message>
    <message>
        <source>Score profiles</source>
        <translation>評分方案</translation>
    </message>
    <message>
        <source>Weight of %1</source>
        <translation>%1 的權重</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新增(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>儲存(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>刪除(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Use</source>
        <translation>使用(&amp;U)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Save the changes to the profile %1?</source>
        <translation>要儲存評分方案 %1 的變更嗎？</translation>
    </message>
    <message>
        <source>Delete the profile %1?</source>
        <translation>要刪除評分方案 %1 嗎？</translation>
    </message>
    <message>
        <source>Na&amp;me:</source>
        <translation>名稱(&amp;M)：</translation>
    </message>
</context>
<context>
    <name>foalix::ui::RadarChart</name>
    <message>
        <source>%1 (gone)</source>
        <translation>%1（已離開）</translation>
    </message>
</context>
<context>
    <name>foalix::ui::RosterProxy</name>
    <message>
        <source>&apos;%1&apos;: no comparison (use %2)</source>
        <translation>「%1」：沒有比較符號（請用 %2）</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: no field &apos;%2&apos;; fields are %3</source>
        <translation>「%1」：沒有「%2」這個項目；項目有 %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: &apos;%2&apos; is no value of %3; its values are %4</source>
        <translation>「%1」：「%2」不是 %3 的值；它的值有 %4</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: no value for %2; its values are %3</source>
        <translation>「%1」：%2 沒有值；它的值有 %3</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the fields or values listed</comment>
        <translation>、</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>the range of a score&apos;s values</comment>
        <translation>%1 至 %2</translation>
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
        <translation>篩選：馬名，或像 速度&gt;=A 草地適性=A 評分&gt;=70 新 ★ 這樣的條件</translation>
    </message>
    <message>
        <source>Filter by name or values</source>
        <translation>依馬名或數值篩選</translation>
    </message>
    <message>
        <source>Clear filter</source>
        <translation>清除篩選</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>匯出 CSV…</translation>
    </message>
    <message>
        <source>Starred &amp;only</source>
        <translation>只顯示已加星號(&amp;O)</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>（無）</translation>
    </message>
    <message>
        <source>&amp;Score by:</source>
        <translation>評分方案(&amp;S)：</translation>
    </message>
    <message>
        <source>Score profile</source>
        <translation>評分方案</translation>
    </message>
    <message>
        <source>&amp;Profiles…</source>
        <translation>管理評分方案(&amp;P)…</translation>
    </message>
    <message>
        <source>&amp;View:</source>
        <translation>檢視組合(&amp;V)：</translation>
    </message>
    <message>
        <source>Saved view</source>
        <translation>已儲存的檢視組合</translation>
    </message>
    <message>
        <source>Save Vie&amp;w…</source>
        <translation>儲存檢視組合(&amp;W)…</translation>
    </message>
    <message>
        <source>More</source>
        <translation>更多</translation>
    </message>
    <message>
        <source>Rename or delete the view</source>
        <translation>重新命名或刪除檢視組合</translation>
    </message>
    <message>
        <source>&amp;Rename View…</source>
        <translation>重新命名檢視組合(&amp;R)…</translation>
    </message>
    <message>
        <source>&amp;Delete View</source>
        <translation>刪除檢視組合(&amp;D)</translation>
    </message>
</context>
<context>
    <name>foalix::ui::RosterTableWindow</name>
    <message>
        <source>Roster Table — Slot %1</source>
        <translation>名冊表 — 存檔欄位 %1</translation>
    </message>
    <message>
        <source>Roster Table</source>
        <translation>名冊表</translation>
    </message>
    <message>
        <source>Co&amp;mpare</source>
        <translation>比較(&amp;M)</translation>
    </message>
    <message>
        <source>Un&amp;star</source>
        <translation>移除星號(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Star</source>
        <translation>加星號(&amp;S)</translation>
    </message>
    <message>
        <source>Save View</source>
        <translation>儲存檢視組合</translation>
    </message>
    <message>
        <source>The view&apos;s name:</source>
        <translation>檢視組合名稱：</translation>
    </message>
    <message>
        <source>Rename View</source>
        <translation>重新命名檢視組合</translation>
    </message>
    <message>
        <source>The view&apos;s new name:</source>
        <translation>檢視組合的新名稱：</translation>
    </message>
    <message>
        <source>Delete the view %1?</source>
        <translation>要刪除檢視組合「%1」嗎？</translation>
    </message>
    <message>
        <source>The view %1 scores by the profile %2, which is no longer kept; the scores stay by %3.</source>
        <translation>檢視組合 %1 使用的評分方案 %2 已不存在；評分仍依 %3。</translation>
    </message>
    <message>
        <source>Replace the view %1?</source>
        <translation>要取代檢視組合 %1 嗎？</translation>
    </message>
    <message>
        <source>A view needs a name.</source>
        <translation>檢視組合需要名稱。</translation>
    </message>
    <message>
        <source>A view is named %1 already.</source>
        <translation>已有名為 %1 的檢視組合。</translation>
    </message>
    <message>
        <source>Write &amp;Note</source>
        <translation>編寫備註(&amp;N)</translation>
    </message>
    <message>
        <source>Foal &amp;History…</source>
        <translation>馬匹紀錄(&amp;H)…</translation>
    </message>
</context>
<context>
    <name>foalix::ui::SelectFolderDialog</name>
    <message>
        <source>Select Folder</source>
        <translation>選擇資料夾</translation>
    </message>
    <message>
        <source>選擇資料夾</source>
        <translation>選擇資料夾</translation>
    </message>
    <message>
        <source>選擇磁碟機</source>
        <translation>選擇磁碟機</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>套用(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>名稱(&amp;N)：</translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation>資料夾(&amp;F)：</translation>
    </message>
    <message>
        <source>&amp;Drive</source>
        <translation>磁碟機(&amp;D)</translation>
    </message>
    <message>
        <source>無法存取 %1。
裝置尚未就緒。</source>
        <translation>無法存取 %1。
裝置尚未就緒。</translation>
    </message>
</context>
<context>
    <name>foalix::ui::SlotFrame</name>
    <message>
        <source>Savedata</source>
        <translation>存檔</translation>
    </message>
    <message>
        <source>實行</source>
        <translation>實行</translation>
    </message>
</context>
<context>
    <name>foalix::ui::StableOverview</name>
    <message numerus="yes">
        <source>%n foals listed</source>
        <translation>
            <numerusform>列出 %n 頭幼駒</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2: %3 of %4</source>
        <comment>a field, a value, how many, of how many</comment>
        <translation>%1 %2：%4 頭中有 %3 頭</translation>
    </message>
    <message>
        <source>Stable Overview</source>
        <translation>馬廄總覽</translation>
    </message>
    <message>
        <source>Save &amp;Image…</source>
        <translation>儲存圖片(&amp;I)…</translation>
    </message>
    <message>
        <source>The listed foals&apos; values, counted</source>
        <translation>列出幼駒的數值統計</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>the score&apos;s row: the score, the profile it is by</comment>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>%1: every weight is 0, no foal has a score</source>
        <translation>%1：權重全為 0，沒有任何馬匹有評分</translation>
    </message>
    <message>
        <source>none</source>
        <comment>the foals without a score</comment>
        <translation>無</translation>
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
