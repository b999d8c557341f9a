# BACK from play 5 restores snapshot 4, deletes its file and keeps file 5; each further BACK
# restores the snapshot before. Taken back to play 1, Light has its opening dice again.
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
expect "Current Player" Player 1

echo BACK: play 4, Dark to move with stone 17 on the bar
click Undo
expect "Current Player" "Play Number" 4
expect "Current Player" Player 2
expect "Current Player" Moves 0
expect Dice 3 0
expect Dice 4 0
expect Bar 1 17
expect 3 1 7
expect 9 1 -1
expect 12 1 16
expect Positions 12 1
expect "Stack Number" 16 1
expect-file Moves/4 absent
expect-file Moves/5 present
expect-file Moves/3 present
show Undo
show DarkDie 2

echo BACK: play 3, Light to move, stone 17 back on section 3
click Undo
expect "Current Player" "Play Number" 3
expect "Current Player" Player 1
expect Bar 1 -1
expect 3 1 17
expect 13 5 7
expect 15 1 -1
expect-file Moves/3 absent
expect-file Moves/5 present

echo BACK twice: play 1, Light holds both opening values, 3 (Dark's) and 4 (its own)
click Undo
click Undo
expect "Current Player" "Play Number" 1
expect "Current Player" Player 1
expect Dice 1 3
expect Dice 2 4
expect Dice 3 0
expect Dice 4 0
expect 24 2 2
expect 20 1 -1
expect-file Moves/1 absent
show LightDie 1
show LightDie 2
echo Light plays its opening again and the turn passes to Dark as play 2
drag 2 20
drag 1 21
expect "Current Player" "Play Number" 2
expect "Current Player" Player 2
expect-file Moves/2 present
