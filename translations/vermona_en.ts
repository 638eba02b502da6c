<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
    <context>
        <name>vermona</name>
        <message>
            <source>休む</source>
            <translation>Rest</translation>
        </message>
        <message>
            <source>疲労が回復した</source>
            <translation>You rest, and your fatigue eases.</translation>
        </message>
        <message>
            <source>勉強</source>
            <translation>Study</translation>
        </message>
        <message>
            <source>知力がアップ！</source>
            <translation>Wits up!</translation>
        </message>
        <message>
            <source>筋トレ</source>
            <translation>Workout</translation>
        </message>
        <message>
            <source>力が２ポイントアップ！</source>
            <translation>Strength up 2 points!</translation>
        </message>
        <message>
            <source>マラソン</source>
            <translation>Long run</translation>
        </message>
        <message>
            <source>体力が２ポイントアップ！力が１ポイント１アップ！</source>
            <translation>Stamina up 2 points! Strength up 1 point!</translation>
        </message>
        <message>
            <source>精神統一</source>
            <translation>Meditate</translation>
        </message>
        <message>
            <source>魔力が２ポイントアップ！</source>
            <translation>MP up 2 points!</translation>
        </message>
        <message>
            <source>ダッシュ</source>
            <translation>Sprints</translation>
        </message>
        <message>
            <source>早さが２ポイントアップ！</source>
            <translation>Speed up 2 points!</translation>
        </message>
        <message>
            <source>土木作業</source>
            <translation>Labouring</translation>
        </message>
        <message>
            <source>力が２ポイントアップ！体力が１ポイントアップ！早さが１ダウン! </source>
            <translation>Strength up 2 points! Stamina up 1 point! Speed down 1!</translation>
        </message>
        <message>
            <source>郵便配達</source>
            <translation>Post round</translation>
        </message>
        <message>
            <source>体力が２ポイントアップ！知力が１ポイントアップ！</source>
            <translation>Stamina up 2 points! Wits up 1 point!</translation>
        </message>
        <message>
            <source>家庭教師</source>
            <translation>Tutoring</translation>
        </message>
        <message>
            <source>知力が２ポイントアップ！魔力が１ポイントアップ！</source>
            <translation>Wits up 2 points! MP up 1 point!</translation>
        </message>
        <message>
            <source>警備</source>
            <translation>Guard duty</translation>
        </message>
        <message>
            <source>早さが２アップ！知力が１アップ！</source>
            <translation>Speed up 2! Wits up 1!</translation>
        </message>
        <message>
            <source>時計修理</source>
            <translation>Clock repair</translation>
        </message>
        <message>
            <source>魔力が２ポイントアップ！知識が１ポイントアップ！力が１ポイントダウン！</source>
            <translation>MP up 2 points! Wits up 1 point! Strength down 1 point!</translation>
        </message>
        <message>
            <source>力 +%1</source>
            <translation>Strength +%1</translation>
        </message>
        <message>
            <source>力 -%1</source>
            <translation>Strength -%1</translation>
        </message>
        <message>
            <source>防御 +%1</source>
            <translation>Defence +%1</translation>
        </message>
        <message>
            <source>防御 -%1</source>
            <translation>Defence -%1</translation>
        </message>
        <message>
            <source>体力 +%1</source>
            <translation>Stamina +%1</translation>
        </message>
        <message>
            <source>体力 -%1</source>
            <translation>Stamina -%1</translation>
        </message>
        <message>
            <source>早さ +%1</source>
            <translation>Speed +%1</translation>
        </message>
        <message>
            <source>早さ -%1</source>
            <translation>Speed -%1</translation>
        </message>
        <message>
            <source>知力 +%1</source>
            <translation>Wits +%1</translation>
        </message>
        <message>
            <source>知力 -%1</source>
            <translation>Wits -%1</translation>
        </message>
        <message>
            <source>魔力 +%1</source>
            <translation>MP +%1</translation>
        </message>
        <message>
            <source>魔力 -%1</source>
            <translation>MP -%1</translation>
        </message>
        <message>
            <source>　</source>
            <translation>, </translation>
        </message>
        <message>
            <source>疲労 +%1</source>
            <translation>Fatigue +%1</translation>
        </message>
        <message>
            <source>疲労 -%1</source>
            <translation>Fatigue -%1</translation>
        </message>
        <message>
            <source>給料 %1G</source>
            <translation>Pay %1G</translation>
        </message>
        <message>
            <source>疲れて休む確率 %1%</source>
            <translation>Chance of being too tired: %1%</translation>
        </message>
        <message>
            <source>どの種類の魔法？</source>
            <translation>Which kind of magic?</translation>
        </message>
        <message>
            <source>炎系</source>
            <translation>Fire</translation>
        </message>
        <message>
            <source>水系</source>
            <translation>Water</translation>
        </message>
        <message>
            <source>雷系</source>
            <translation>Thunder</translation>
        </message>
        <message>
            <source>無属性</source>
            <translation>Neutral</translation>
        </message>
        <message>
            <source>戻る</source>
            <translation>Back</translation>
        </message>
        <message>
            <source>魔法修得の旅へ行きます。１ヶ月ほどかかります。</source>
            <translation>A journey to learn magic takes about a month.</translation>
        </message>
        <message>
            <source>旅費として、１０００Gかかります。</source>
            <translation>The trip costs 1000G.</translation>
        </message>
        <message>
            <source>攻撃魔法修得へ</source>
            <translation>Attack spells</translation>
        </message>
        <message>
            <source>回復魔法修得へ</source>
            <translation>Healing spells</translation>
        </message>
        <message>
            <source>補助魔法修得へ</source>
            <translation>Support spells</translation>
        </message>
        <message>
            <source>やめる</source>
            <translation>Cancel</translation>
        </message>
        <message>
            <source>お金が足りません</source>
            <translation>You don't have enough money.</translation>
        </message>
        <message>
            <source>費用 %1G　期間 約1か月</source>
            <translation>Costs %1G, takes about a month</translation>
        </message>
        <message>
            <source>これ以上覚える魔法はありません</source>
            <translation>There are no more spells to learn here.</translation>
        </message>
        <message>
            <source>ステータスが足りません</source>
            <translation>Your stats aren't high enough yet.</translation>
        </message>
        <message>
            <source>旅にでた・・・</source>
            <translation>You set off on your journey...</translation>
        </message>
        <message>
            <source>・・・・</source>
            <translation>...</translation>
        </message>
        <message>
            <source>修行中・・・</source>
            <translation>Training hard...</translation>
        </message>
        <message>
            <source>魔法を覚えた！！</source>
            <translation>You learned a new spell!</translation>
        </message>
        <message>
            <source>次のレベルに必要な知力 %1</source>
            <translation>Wits needed for the next level: %1</translation>
        </message>
        <message>
            <source>修行</source>
            <translation>Training journey</translation>
        </message>
        <message>
            <source>どの魔法？</source>
            <translation>Which magic?</translation>
        </message>
        <message>
            <source>HP回復</source>
            <translation>Heal HP</translation>
        </message>
        <message>
            <source>ステータス回復</source>
            <translation>Cure status</translation>
        </message>
        <message>
            <source>ヴェルモナ結果</source>
            <translation>Vermona: Result</translation>
        </message>
        <message>
            <source>予定</source>
            <translation>Schedule</translation>
        </message>
        <message>
            <source>この中から選んで下さい</source>
            <translation>Pick one of these</translation>
        </message>
        <message>
            <source>修行の旅</source>
            <translation>Journey</translation>
        </message>
        <message>
            <source>町へ</source>
            <translation>Town</translation>
        </message>
        <message>
            <source>疲れがたまりすぎて休んだ！</source>
            <translation>Too worn out: you rested instead!</translation>
        </message>
        <message>
            <source>攻撃力系</source>
            <translation>Attack up/down</translation>
        </message>
        <message>
            <source>防御力系</source>
            <translation>Defence up/down</translation>
        </message>
        <message>
            <source>早さ系</source>
            <translation>Speed up/down</translation>
        </message>
        <message>
            <source>%1年目 %2月%3週目</source>
            <translation>Year %1, Month %2, Wk %3</translation>
        </message>
        <message>
            <source>%1年目%2月</source>
            <translation>Year %1, Month %2</translation>
        </message>
        <message>
            <source>%1月%2週</source>
            <translation>Month %1, Wk %2</translation>
        </message>
        <message>
            <source>%1勝%2敗（相手%3人）</source>
            <translation>Won %1, lost %2 (opponents: %3)</translation>
        </message>
        <message>
            <source>疲労</source>
            <translation>Fatigue</translation>
        </message>
        <message>
            <source>攻撃力</source>
            <comment>menu</comment>
            <translation>Strength</translation>
        </message>
        <message>
            <source>防御力</source>
            <translation>Defence</translation>
        </message>
        <message>
            <source>早さ</source>
            <translation>Speed</translation>
        </message>
        <message>
            <source>知力</source>
            <translation>Wits</translation>
        </message>
        <message>
            <source>大会</source>
            <translation>Tournament</translation>
        </message>
        <message>
            <source>%1の大会</source>
            <translation>Tournament: %1</translation>
        </message>
        <message>
            <source>日付</source>
            <translation>Date</translation>
        </message>
        <message>
            <source>成長グラフ</source>
            <translation>Growth chart</translation>
        </message>
        <message>
            <source>グラフ</source>
            <translation>Chart</translation>
        </message>
        <message>
            <source>表</source>
            <translation>Table</translation>
        </message>
        <message>
            <source>グラフを表示できません（グラフの部品が見つかりません）。</source>
            <translation>The chart cannot be shown (its chart component is missing).</translation>
        </message>
        <message>
            <source>ヴェルモナは既に起動しています</source>
            <translation>Vermona is already running.</translation>
        </message>
        <message>
            <source>ヴェルモナ</source>
            <translation>Vermona</translation>
        </message>
        <message>
            <source>yyyy年M月d日 H:mm</source>
            <translation>d MMM yyyy, HH:mm</translation>
        </message>
        <message>
            <source>セーブデータ一覧</source>
            <translation>Saved Games</translation>
        </message>
        <message>
            <source>ロード</source>
            <translation>Load</translation>
        </message>
        <message>
            <source>セーブ</source>
            <translation>Save</translation>
        </message>
        <message>
            <source>削除</source>
            <translation>Delete</translation>
        </message>
        <message>
            <source>閉じる</source>
            <translation>Close</translation>
        </message>
                <message>
            <source>押しても何も起こらない</source>
            <translation>Does nothing when pressed</translation>
        </message>
        <message>
            <source>%1年目</source>
            <translation>Year %1</translation>
        </message>
        <message>
            <source>%1月%2週目</source>
            <translation>Month %1, Wk %2</translation>
        </message>
        <message>
            <source>セーブしていません。終了しますか？</source>
            <translation>You haven't saved. Quit anyway?</translation>
        </message>
        <message>
            <source>ロード%1</source>
            <translation>Load check %1</translation>
        </message>
        <message>
            <source>%1 がありません。</source>
            <translation>%1 is missing.</translation>
        </message>
        <message>
            <source>%1 を開けません。</source>
            <translation>%1 cannot be opened.</translation>
        </message>
        <message>
            <source>%1 が大きすぎます。</source>
            <translation>%1 is too large.</translation>
        </message>
        <message>
            <source>%1 が空です。</source>
            <translation>%1 is empty.</translation>
        </message>
        <message>
            <source>%1行目がありません（36行必要です）。</source>
            <translation>Line %1 is missing (36 lines are needed).</translation>
        </message>
        <message>
            <source>%1行目が数値ではありません。</source>
            <translation>Line %1 is not a number.</translation>
        </message>
        <message>
            <source>%1行目の数値が大きすぎます。</source>
            <translation>The number on line %1 is too large.</translation>
        </message>
        <message>
            <source>36行目より後に余分なデータがあります。</source>
            <translation>There is extra data after line 36.</translation>
        </message>
        <message>
            <source>%1行目が変更されています。</source>
            <translation>Line %1 has been changed.</translation>
        </message>
        <message>
            <source>セーブデータを読み込めませんでした。</source>
            <translation>The saved game could not be loaded.</translation>
        </message>
        <message>
            <source>ディスクの空きが足りません。</source>
            <translation>There is not enough disk space.</translation>
        </message>
        <message>
            <source>保存先に書き込めません。</source>
            <translation>The save folder cannot be written to.</translation>
        </message>
        <message>
            <source>書き込み中にエラーが起きました（エラー番号 %1）。</source>
            <translation>An error occurred while writing (error %1).</translation>
        </message>
        <message>
            <source>セーブできませんでした。</source>
            <translation>The game could not be saved.</translation>
        </message>
        <message>
            <source>前のセーブデータは変更されていません。</source>
            <translation>Your previous save is unchanged.</translation>
        </message>
        <message>
            <source>保存できる範囲（%1～%2）を超えた値があります。</source>
            <translation>A value is outside the range that can be saved (%1 to %2).</translation>
        </message>
        <message>
            <source>成長の記録（%1）を書き込めませんでした。%2</source>
            <translation>The growth record (%1) could not be written. %2</translation>
        </message>
        <message>
            <source>セーブを完了しました</source>
            <translation>Game saved.</translation>
        </message>
        <message>
            <source>データの変更はしないようにして下さい！</source>
            <translation>Please don't tamper with the save data!</translation>
        </message>
        <message>
            <source>ロード終了</source>
            <translation>Game loaded.</translation>
        </message>
        <message>
            <source>番号</source>
            <translation>No.</translation>
        </message>
        <message>
            <source>所持金</source>
            <translation>Money</translation>
        </message>
        <message>
            <source>セーブした日時</source>
            <translation>Saved</translation>
        </message>
        <message>
            <source>空き</source>
            <translation>Empty</translation>
        </message>
        <message>
            <source>変更されたデータ</source>
            <translation>Edited data</translation>
        </message>
        <message>
            <source>読み込めないデータ</source>
            <translation>Unreadable data</translation>
        </message>
        <message>
            <source>スロット%1には別のゲームがセーブされています。上書きしますか？</source>
            <translation>Slot %1 holds another game. Save over it?</translation>
        </message>
        <message>
            <source>セーブしていません。ロードしますか？</source>
            <translation>You haven't saved. Load anyway?</translation>
        </message>
        <message>
            <source>スロット%1のセーブデータと成長の記録を削除しますか？</source>
            <translation>Delete the saved game in slot %1 and its growth record?</translation>
        </message>
        <message>
            <source>スロット%1を削除できませんでした。</source>
            <translation>Slot %1 could not be deleted.</translation>
        </message>
        <message>
            <source>、</source>
            <translation>, </translation>
        </message>
        <message>
            <source>主人公設定２</source>
            <translation>Hero setup, part 2</translation>
        </message>
        <message>
            <source>主人公の属性を決めて下さい</source>
            <translation>Choose your hero's element</translation>
        </message>
        <message>
            <source>炎</source>
            <translation>Fire</translation>
        </message>
        <message>
            <source>水</source>
            <translation>Water</translation>
        </message>
        <message>
            <source>雷</source>
            <translation>Thunder</translation>
        </message>
        <message>
            <source>主人公設定</source>
            <translation>Hero setup</translation>
        </message>
        <message>
            <source>初期ステータスを決定して下さい</source>
            <translation>Set your starting stats</translation>
        </message>
        <message>
            <source>あげたい能力をクリックして下さい。１０ポイントを振り分けます。</source>
            <translation>Click an ability to raise it. You have 10 points to share out.</translation>
        </message>
        <message>
            <source>力</source>
            <translation>Strength</translation>
        </message>
        <message>
            <source>防御</source>
            <translation>Defence</translation>
        </message>
        <message>
            <source>体力</source>
            <translation>Stamina</translation>
        </message>
        <message>
            <source>魔力</source>
            <translation>MP</translation>
        </message>
        <message>
            <source>力：%1</source>
            <translation>Strength: %1</translation>
        </message>
        <message>
            <source>防御：%1</source>
            <translation>Defence: %1</translation>
        </message>
        <message>
            <source>体力：%1</source>
            <translation>Stamina: %1</translation>
        </message>
        <message>
            <source>早さ：%1</source>
            <translation>Speed: %1</translation>
        </message>
        <message>
            <source>知力：%1</source>
            <translation>Wits: %1</translation>
        </message>
        <message>
            <source>魔力：%1</source>
            <translation>MP: %1</translation>
        </message>
        <message>
            <source>メニュー</source>
            <translation>Menu</translation>
        </message>
        <message>
            <source>ファイル</source>
            <translation>File</translation>
        </message>
        <message>
            <source>セーブ(S)</source>
            <translation>Save</translation>
        </message>
        <message>
            <source>記録</source>
            <translation>Records</translation>
        </message>
        <message>
            <source>今週の予定を決定して下さい</source>
            <translation>Choose this week's plan</translation>
        </message>
        <message>
            <source>行動をクリックすると一覧がでます。そこから選んで下さい。</source>
            <translation>Click Actions to see a list of things to do, then pick one.</translation>
        </message>
        <message>
            <source>行動</source>
            <translation>Actions</translation>
        </message>
        <message>
            <source>１年目</source>
            <translation>Year 1</translation>
        </message>
        <message>
            <source>１月１週目</source>
            <translation>Month 1, Wk 1</translation>
        </message>
        <message>
            <source>アイテム一覧</source>
            <translation>Items</translation>
        </message>
        <message>
            <source>魔法一覧</source>
            <translation>Spells</translation>
        </message>
        <message>
            <source>次の大会</source>
            <translation>Next tournament</translation>
        </message>
        <message>
            <source>現在の状態</source>
            <translation>Status</translation>
        </message>
        <message>
            <source>Ｇ</source>
            <translation>G</translation>
        </message>
        <message>
            <source>属性</source>
            <translation>Element</translation>
        </message>
        <message>
            <source>ヴェルモナシュミレーション</source>
            <translation>Vermona Simulation</translation>
        </message>
        <message>
            <source>ヴェルモナシュミレーションゲーム</source>
            <translation>Vermona Simulation Game</translation>
        </message>
        <message>
            <source>開始</source>
            <translation>Start</translation>
        </message>
        <message>
            <source>前回の続きから再開しますか？</source>
            <translation>Carry on from where you left off last time?</translation>
        </message>
        <message>
            <source>主人公は魔法を唱えた！敵に%1のダメージ</source>
            <translation>The hero casts a spell! %1 damage to the foe.</translation>
        </message>
        <message>
            <source>主人公は魔法を唱えた！%1回復</source>
            <translation>The hero casts a spell! %1 HP restored.</translation>
        </message>
        <message>
            <source>主人公は魔法を唱えた！毒が消え去った</source>
            <translation>The hero casts a spell! The poison is gone.</translation>
        </message>
        <message>
            <source>主人公は魔法を唱えた！主人公にかかっているすべての魔法が消えた</source>
            <translation>The hero casts a spell! Every spell on the hero fades away.</translation>
        </message>
        <message>
            <source>主人公は魔法を唱えた！攻撃力が%1あがった</source>
            <translation>The hero casts a spell! Attack rises by %1.</translation>
        </message>
        <message>
            <source>主人公は魔法を唱えた！敵の攻撃力が%1さがった</source>
            <translation>The hero casts a spell! The foe's attack falls by %1.</translation>
        </message>
        <message>
            <source>主人公は魔法を唱えた！防御力が%1あがった</source>
            <translation>The hero casts a spell! Defence rises by %1.</translation>
        </message>
        <message>
            <source>主人公は魔法を唱えた！敵の防御力が%1さがった</source>
            <translation>The hero casts a spell! The foe's defence falls by %1.</translation>
        </message>
        <message>
            <source>主人公は魔法を唱えた！素早さが%1あがった</source>
            <translation>The hero casts a spell! Speed rises by %1.</translation>
        </message>
        <message>
            <source>主人公は魔法を唱えた！敵の素早さが%1さがった</source>
            <translation>The hero casts a spell! The foe's speed falls by %1.</translation>
        </message>
        <message>
            <source>戦闘メッセージ</source>
            <translation>Battle message</translation>
        </message>
        <message>
            <source>敵の攻撃！%1のダメージ</source>
            <translation>The foe attacks! %1 damage.</translation>
        </message>
        <message>
            <source>残念！次は勝とう</source>
            <translation>Bad luck! Win the next one!</translation>
        </message>
        <message>
            <source>敗北</source>
            <translation>Defeat</translation>
        </message>
        <message>
            <source>戦闘</source>
            <translation>Battle</translation>
        </message>
        <message>
            <source>主人公のステータス</source>
            <translation>Hero's stats</translation>
        </message>
        <message>
            <source>攻撃力</source>
            <translation>Attack</translation>
        </message>
        <message>
            <source>素早さ</source>
            <translation>Speed</translation>
        </message>
        <message>
            <source>現在/最大</source>
            <translation>Now/Max</translation>
        </message>
        <message>
            <source>敵のHP</source>
            <translation>Foe HP</translation>
        </message>
        <message>
            <source>主人公のHP</source>
            <translation>Hero HP</translation>
        </message>
        <message>
            <source>攻撃</source>
            <translation>Attack</translation>
        </message>
        <message>
            <source>魔法</source>
            <translation>Magic</translation>
        </message>
        <message>
            <source>アイテム</source>
            <translation>Item</translation>
        </message>
        <message>
            <source>特技</source>
            <translation>Skill</translation>
        </message>
        <message>
            <source>主人公の攻撃！敵に%1のダメージ▼</source>
            <translation>The hero attacks! %1 damage to the foe. ▼</translation>
        </message>
        <message>
            <source>大会参加</source>
            <translation>Tournament entry</translation>
        </message>
        <message>
            <source>現在の参加人数</source>
            <translation>Entrants so far</translation>
        </message>
        <message>
            <source>人</source>
            <translation> </translation>
        </message>
        <message>
            <source>かけるアイテム</source>
            <translation>Item at stake</translation>
        </message>
        <message>
            <source>大会へ</source>
            <translation>To the tournament</translation>
        </message>
        <message numerus="yes">
            <source>現在の参加人数|%n|人</source>
            <translation>
                <numerusform>There is|%n|entrant so far.</numerusform>
                <numerusform>There are|%n|entrants so far.</numerusform>
            </translation>
        </message>
        <message>
            <source>アイテムを選んで下さい</source>
            <translation>Please choose an item.</translation>
        </message>
        <message>
            <source>大会受付</source>
            <translation>Tournament desk</translation>
        </message>
        <message>
            <source>ムービー</source>
            <translation>Movie</translation>
        </message>
        <message>
            <source>大会のお知らせ</source>
            <translation>Tournament notice</translation>
        </message>
        <message>
            <source>次回開催は</source>
            <translation>Starts in</translation>
        </message>
        <message>
            <source>０</source>
            <translation>0</translation>
        </message>
        <message>
            <source>日後です。</source>
            <translation>weeks.</translation>
        </message>
        <message>
            <source>大会に参加する</source>
            <translation>Enter the tournament</translation>
        </message>
        <message numerus="yes">
            <source>次回開催は|%n|日後です。</source>
            <comment>today</comment>
            <translation>
                <numerusform>The tournament|is|today.</numerusform>
                <numerusform>The tournament|is|today.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>次回開催は|%n|日後です。</source>
            <translation>
                <numerusform>Starts in|%n|week.</numerusform>
                <numerusform>Starts in|%n|weeks.</numerusform>
            </translation>
        </message>
        <message>
            <source>今回は、参加者がいないため中止になりました</source>
            <translation>No entrants signed up, so this tournament has been called off.</translation>
        </message>
        <message>
            <source>試合の結果</source>
            <translation>Match result</translation>
        </message>
        <message>
            <source>勝利！</source>
            <translation>Victory!</translation>
        </message>
        <message>
            <source>おめでとう！次も勝とう</source>
            <translation>Well done! Keep it up!</translation>
        </message>
        <message>
            <source>次へ</source>
            <translation>Next</translation>
        </message>
        <message>
            <source>○</source>
            <translation>W</translation>
        </message>
        <message>
            <source>×</source>
            <translation>L</translation>
        </message>
        <message>
            <source>ファイア</source>
            <translation>Flame</translation>
        </message>
        <message>
            <source>炎を発動し攻撃</source>
            <translation>Attacks with fire</translation>
        </message>
        <message>
            <source>ファイラ</source>
            <translation>Greater Flame</translation>
        </message>
        <message>
            <source>より強力な炎で攻撃</source>
            <translation>Attacks with fiercer fire</translation>
        </message>
        <message>
            <source>ファイガ</source>
            <translation>Inferno</translation>
        </message>
        <message>
            <source>炎系最強の魔法</source>
            <translation>The strongest Fire spell</translation>
        </message>
        <message>
            <source>ブリザド</source>
            <translation>Frost</translation>
        </message>
        <message>
            <source>氷で攻撃</source>
            <translation>Attacks with ice</translation>
        </message>
        <message>
            <source>ブリザラ</source>
            <translation>Greater Frost</translation>
        </message>
        <message>
            <source>より強力な氷をぶつけて攻撃</source>
            <translation>Attacks with great chunks of ice</translation>
        </message>
        <message>
            <source>ブリザガ</source>
            <translation>Deep Freeze</translation>
        </message>
        <message>
            <source>氷系最強の魔法</source>
            <translation>The strongest ice spell</translation>
        </message>
        <message>
            <source>サンダー</source>
            <translation>Shock</translation>
        </message>
        <message>
            <source>落雷で攻撃</source>
            <translation>Attacks with lightning</translation>
        </message>
        <message>
            <source>サンダラ</source>
            <translation>Greater Shock</translation>
        </message>
        <message>
            <source>強力な落雷で攻撃</source>
            <translation>Attacks with fierce lightning</translation>
        </message>
        <message>
            <source>サンダガ</source>
            <translation>Thunderstorm</translation>
        </message>
        <message>
            <source>雷系最強の魔法</source>
            <translation>The strongest Thunder spell</translation>
        </message>
        <message>
            <source>コメット</source>
            <translation>Comet</translation>
        </message>
        <message>
            <source>隕石を落として攻撃</source>
            <translation>Attacks with a falling meteorite</translation>
        </message>
        <message>
            <source>コメテオ</source>
            <translation>Great Comet</translation>
        </message>
        <message>
            <source>強力な隕石で攻撃</source>
            <translation>Attacks with a huge meteorite</translation>
        </message>
        <message>
            <source>メテオ</source>
            <translation>Meteor</translation>
        </message>
        <message>
            <source>無属性最強の魔法</source>
            <translation>The strongest Neutral spell</translation>
        </message>
        <message>
            <source>ケアル</source>
            <translation>Heal</translation>
        </message>
        <message>
            <source>HP回復・小</source>
            <translation>Restores a little HP</translation>
        </message>
        <message>
            <source>ケアルラ</source>
            <translation>Greater Heal</translation>
        </message>
        <message>
            <source>HP回復・中</source>
            <translation>Restores a fair amount of HP</translation>
        </message>
        <message>
            <source>ケアルガ</source>
            <translation>Grand Heal</translation>
        </message>
        <message>
            <source>HP回復・大</source>
            <translation>Restores a lot of HP</translation>
        </message>
        <message>
            <source>キアリー</source>
            <translation>Cure Poison</translation>
        </message>
        <message>
            <source>毒を消し去る</source>
            <translation>Cures poison</translation>
        </message>
        <message>
            <source>ディスペル</source>
            <translation>Nullify</translation>
        </message>
        <message>
            <source>かかっている魔法をすべて消す</source>
            <translation>Ends every spell on you</translation>
        </message>
        <message>
            <source>パワーアップ</source>
            <translation>Empower</translation>
        </message>
        <message>
            <source>自分の攻撃力を上げる</source>
            <translation>Raises your attack</translation>
        </message>
        <message>
            <source>パワーダウン</source>
            <translation>Enfeeble</translation>
        </message>
        <message>
            <source>敵の攻撃力を下げる</source>
            <translation>Lowers the foe's attack</translation>
        </message>
        <message>
            <source>プロテクトアップ</source>
            <translation>Fortify</translation>
        </message>
        <message>
            <source>自分の防御力を上げる</source>
            <translation>Raises your defence</translation>
        </message>
        <message>
            <source>プロテクトダウン</source>
            <translation>Sunder</translation>
        </message>
        <message>
            <source>敵の防御力を下げる</source>
            <translation>Lowers the foe's defence</translation>
        </message>
        <message>
            <source>スピードアップ</source>
            <translation>Quicken</translation>
        </message>
        <message>
            <source>自分の早さをあげる</source>
            <translation>Raises your speed</translation>
        </message>
        <message>
            <source>スピードダウン</source>
            <translation>Hinder</translation>
        </message>
        <message>
            <source>敵の早さを下げる</source>
            <translation>Lowers the foe's speed</translation>
        </message>
        <message>
            <source>現在取得した魔法</source>
            <translation>Spells learned so far</translation>
        </message>
        <message>
            <source>魔法名</source>
            <translation>Spell</translation>
        </message>
        <message>
            <source>使用MP</source>
            <translation>MP cost</translation>
        </message>
        <message>
            <source>説明</source>
            <translation>What it does</translation>
        </message>
        <message>
            <source>back</source>
            <comment>spell list</comment>
            <translation>Back</translation>
        </message>
        <message>
            <source>MPが足りません</source>
            <translation>Not enough MP!</translation>
        </message>
        <message>
            <source>参加者%1</source>
            <translation>Entrant %1</translation>
        </message>
        <message>
            <source>対戦表</source>
            <translation>Round-robin table</translation>
        </message>
        <message>
            <source>総当たりで行います。以下の表の通りです。</source>
            <translation>It's a round robin, as the table below shows.</translation>
        </message>
        <message>
            <source>主人公</source>
            <translation>Hero</translation>
        </message>
        <message>
            <source>試合</source>
            <translation>Fight</translation>
        </message>
        <message>
            <source>COM戦終了</source>
            <translation>The other matches are over.</translation>
        </message>
        <message>
            <source>%1が読めないため、参加者の名前は仮の名前になります</source>
            <translation>%1 could not be read, so the entrants get stand-in names.</translation>
        </message>
        <message>
            <source>%1の名前が%2人分ないため、足りない名前は仮の名前になります</source>
            <translation>%1 has fewer than %2 names, so the missing ones get stand-in names.</translation>
        </message>
        <message>
            <source>防具屋</source>
            <translation>Armour shop</translation>
        </message>
        <message>
            <source>何を買うんだい？買いたいアイテムをクリックしてくれ</source>
            <translation>What'll you buy? Click an item.</translation>
        </message>
        <message>
            <source>何を買うんだい？買いたいアイテムをクリックしてくれ</source>
            <comment>selling</comment>
            <translation>What'll you sell? Click an item.</translation>
        </message>
        <message>
            <source>値段</source>
            <translation>Price</translation>
        </message>
        <message>
            <source>ウッドシールド</source>
            <translation>Wooden shield</translation>
        </message>
        <message>
            <source>２</source>
            <translation>2</translation>
        </message>
        <message>
            <source>２００Ｇ</source>
            <translation>200G</translation>
        </message>
        <message>
            <source>鉄の盾</source>
            <translation>Iron shield</translation>
        </message>
        <message>
            <source>４</source>
            <translation>4</translation>
        </message>
        <message>
            <source>３００Ｇ</source>
            <translation>300G</translation>
        </message>
        <message>
            <source>鋼鉄の盾</source>
            <translation>Steel shield</translation>
        </message>
        <message>
            <source>７</source>
            <translation>7</translation>
        </message>
        <message>
            <source>４５０Ｇ</source>
            <translation>450G</translation>
        </message>
        <message>
            <source>何しにきた？</source>
            <translation>What brings you?</translation>
        </message>
        <message>
            <source>買う</source>
            <translation>Buy</translation>
        </message>
        <message>
            <source>売る</source>
            <translation>Sell</translation>
        </message>
        <message>
            <source>ナイフ</source>
            <translation>Knife</translation>
        </message>
        <message>
            <source>３</source>
            <translation>3</translation>
        </message>
        <message>
            <source>１５０Ｇだけどいいかい？</source>
            <translation>I'll give you 150G for it. Deal?</translation>
        </message>
        <message>
            <source>ソード</source>
            <translation>Sword</translation>
        </message>
        <message>
            <source>５</source>
            <translation>5</translation>
        </message>
        <message>
            <source>３００Ｇだけどいいかい？</source>
            <translation>I'll give you 300G for it. Deal?</translation>
        </message>
        <message>
            <source>１００Ｇだけどいいかい？</source>
            <translation>I'll give you 100G for it. Deal?</translation>
        </message>
        <message>
            <source>２２５Ｇだけどいいかい？</source>
            <translation>I'll give you 225G for it. Deal?</translation>
        </message>
        <message>
            <source>装備変更</source>
            <translation>Change equipment</translation>
        </message>
        <message>
            <source>装備一覧</source>
            <translation>Equipment</translation>
        </message>
        <message>
            <source>アイテム屋</source>
            <translation>Item shop</translation>
        </message>
        <message>
            <source>何が欲しいのですか？</source>
            <translation>What would you like?</translation>
        </message>
        <message>
            <source>何が欲しいのですか？</source>
            <comment>selling</comment>
            <translation>What are you selling?</translation>
        </message>
        <message>
            <source>効果</source>
            <translation>Effect</translation>
        </message>
        <message>
            <source>薬草</source>
            <translation>Herb</translation>
        </message>
        <message>
            <source>体力回復</source>
            <translation>Restores stamina</translation>
        </message>
        <message>
            <source>５０Ｇ</source>
            <translation>50G</translation>
        </message>
        <message>
            <source>お金が足りないよ</source>
            <translation>You haven't got enough money!</translation>
        </message>
        <message>
            <source>これでいいのかい？</source>
            <translation>This one, then?</translation>
        </message>
        <message>
            <source>２５Ｇだけどいいかい？</source>
            <translation>I'll give you 25G for it. Deal?</translation>
        </message>
        <message>
            <source>現在装備品</source>
            <translation>Equipped</translation>
        </message>
        <message>
            <source>武器</source>
            <translation>Weapon</translation>
        </message>
        <message>
            <source>鎧</source>
            <translation>Body armour</translation>
        </message>
        <message>
            <source>盾</source>
            <translation>Shield</translation>
        </message>
        <message>
            <source>アクセサリー</source>
            <translation>Accessory</translation>
        </message>
        <message>
            <source>個数</source>
            <translation>Quantity</translation>
        </message>
        <message>
            <source>何のご用です？</source>
            <translation>How can I help you?</translation>
        </message>
        <message>
            <source>購入</source>
            <translation>Buy</translation>
        </message>
        <message>
            <source>売却</source>
            <translation>Sell</translation>
        </message>
        <message>
            <source>売る品物の一覧</source>
            <translation>Sell list</translation>
        </message>
        <message>
            <source>買う品物の一覧</source>
            <translation>Buy list</translation>
        </message>
        <message>
            <source>もう持ってるよ</source>
            <translation>You've already got one!</translation>
        </message>
        <message>
            <source>町</source>
            <translation>Town</translation>
        </message>
        <message>
            <source>どこへ行く？</source>
            <translation>Where to?</translation>
        </message>
        <message>
            <source>武器屋</source>
            <translation>Weapon shop</translation>
        </message>
        <message>
            <source>アクセサリー屋</source>
            <translation>Accessories</translation>
        </message>
        <message>
            <source>帰る</source>
            <translation>Leave</translation>
        </message>
        <message>
            <source>店先</source>
            <translation>Shop front</translation>
        </message>
        <message>
            <source>何が欲しいんだい？</source>
            <translation>What are you after?</translation>
        </message>
        <message>
            <source>何が欲しいんだい？</source>
            <comment>selling</comment>
            <translation>What are you selling?</translation>
        </message>
        <message>
            <source>３００</source>
            <translation>300G</translation>
        </message>
        <message>
            <source>６００</source>
            <translation>600G</translation>
        </message>
        <message>
            <source>何の用だい？</source>
            <translation>Yes, friend?</translation>
        </message>
        <message>
            <source>買いたい</source>
            <translation>Buy</translation>
        </message>
        <message>
            <source>売りたい</source>
            <translation>Sell</translation>
        </message>
    </context>
</TS>
