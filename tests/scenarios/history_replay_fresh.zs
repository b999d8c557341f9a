# A play taken back and played differently gets a fresh snapshot: the old file 5 held Dark's
# stones 17 and 16 on section 9, the new one holds them on section 11 and nothing on 9.
#! --seed 5
start
click LightDie 2
click DarkDie 2
drag 2 20
drag 1 21
click DarkDie 2
drag 17 8
drag 17 3
click LightDie 2
drag 1 15
drag 7 3
click DarkDie 2
drag 17 9
drag 16 9
expect "Current Player" "Play Number" 5
expect 9 2 16
click Undo
expect "Current Player" "Play Number" 4
expect-file Moves/5 present
echo Dark plays 2 and 1 instead of 4 and 3
roll 2 1
click DarkDie 2
drag 17 11
drag 16 11
expect "Current Player" "Play Number" 5
roll 1 2
click LightDie 2
drag 1 14
drag 7 5
expect "Current Player" "Play Number" 6
echo BACK from play 6 restores the new snapshot 5
click Undo
expect "Current Player" "Play Number" 5
expect "Current Player" Player 1
expect 9 1 -1
expect 9 2 -1
expect 11 1 17
expect 11 2 16
expect 15 1 1
expect 3 1 7
