#!/usr/bin/env bash
# make-bureau-file.sh: writes data/総務省.dat, the bureau address file shipped beside the
# program, in code page 932 with CR LF line ends. Edit the entries here and run it again.
set -euo pipefail
out="$(cd "$(dirname "$0")/.." && pwd)/data/総務省.dat"

entries() {
    cat <<'TEXT'
# 申請先データ（総合通信局の住所と宛名）
# このファイルは編集できます。住所や宛名が変わったときは書き換えてください。
# 書式: 地域の記号（0～9、沖縄は+）、項目名、=、値 を続けて一行に書きます。
# 項目名: AreaSouTsu（申請書の宛先） AreaZip（郵便番号） AreaAdd・AreaAdd2（住所）
#         AreaName・AreaName2（封筒の宛名）
# 地域の記号で始まらない行は読み飛ばされます。

# 1 関東総合通信局
1AreaSouTsu=関東総合通信局長　殿
1AreaZip=〒102-8795
1AreaAdd=東京都千代田区九段南1-2-1
1AreaAdd2=九段第3合同庁舎
1AreaName=関東総合通信局
1AreaName2=無線通信部　陸上第三課　御中

# 2 東海総合通信局
2AreaSouTsu=東海総合通信局長　殿
2AreaZip=〒461-8795
2AreaAdd=愛知県名古屋市東区白壁1-15-1
2AreaAdd2=名古屋合同庁舎第3号館
2AreaName=東海総合通信局
2AreaName2=無線通信部　陸上課　御中

# 3 近畿総合通信局
3AreaSouTsu=近畿総合通信局長　殿
3AreaZip=〒540-8795
3AreaAdd=大阪府大阪市中央区大手前1-5-44
3AreaAdd2=大阪合同庁舎第1号館
3AreaName=近畿総合通信局
3AreaName2=無線通信部　陸上第三課　御中

# 4 中国総合通信局
# 未確認（郵便番号）: 郵送する前に必ず確認してください。
4AreaSouTsu=中国総合通信局長　殿
4AreaZip=〒730-8795
4AreaAdd=広島県広島市中区東白島町19-36
4AreaAdd2=
4AreaName=中国総合通信局
4AreaName2=無線通信部　陸上課　御中

# 5 四国総合通信局
# 未確認（郵便番号）: 郵送する前に必ず確認してください。
5AreaSouTsu=四国総合通信局長　殿
5AreaZip=〒790-8795
5AreaAdd=愛媛県松山市味酒町2-14-4
5AreaAdd2=
5AreaName=四国総合通信局
5AreaName2=無線通信部　陸上課　御中

# 6 九州総合通信局
6AreaSouTsu=九州総合通信局長　殿
6AreaZip=〒860-8795
6AreaAdd=熊本県熊本市西区春日2-10-1
6AreaAdd2=
6AreaName=九州総合通信局
6AreaName2=無線通信部　陸上課　御中

# 7 東北総合通信局
7AreaSouTsu=東北総合通信局長　殿
7AreaZip=〒980-8795
7AreaAdd=宮城県仙台市青葉区本町3-2-23
7AreaAdd2=仙台第2合同庁舎
7AreaName=東北総合通信局
7AreaName2=無線通信部　陸上課　御中

# 8 北海道総合通信局
8AreaSouTsu=北海道総合通信局長　殿
8AreaZip=〒060-8795
8AreaAdd=北海道札幌市北区北8条西2丁目
8AreaAdd2=札幌第1合同庁舎
8AreaName=北海道総合通信局
8AreaName2=無線通信部　陸上課　御中

# 9 北陸総合通信局
9AreaSouTsu=北陸総合通信局長　殿
9AreaZip=〒920-8795
9AreaAdd=石川県金沢市広坂2-2-60
9AreaAdd2=
9AreaName=北陸総合通信局
9AreaName2=無線通信部　陸上課　御中

# 0 信越総合通信局
# 未確認（長野市内の新しい庁舎へ移転予定）: 郵送する前に必ず確認してください。
0AreaSouTsu=信越総合通信局長　殿
0AreaZip=〒380-8795
0AreaAdd=長野県長野市旭町1108
0AreaAdd2=
0AreaName=信越総合通信局
0AreaName2=無線通信部　陸上課　御中

# + 沖縄総合通信事務所（JR6、JS6 で始まるコールサイン）
# 未確認（2024年11月に移転）: 郵送する前に必ず確認してください。
+AreaSouTsu=沖縄総合通信事務所長　殿
+AreaZip=〒900-8795
+AreaAdd=沖縄県那覇市おもろまち2-1-1
+AreaAdd2=那覇第2地方合同庁舎
+AreaName=沖縄総合通信事務所
+AreaName2=無線通信課　御中
TEXT
}

tmp="$out.tmp"
entries | iconv -f UTF-8 -t CP932 | sed 's/$/\r/' > "$tmp"
mv -f "$tmp" "$out"
