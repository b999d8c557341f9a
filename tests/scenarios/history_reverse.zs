# A double click on BACK takes one play back at once (its click), then one more every two
# seconds under the caption STOP, until a click stops it or the start of the game is reached.
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
echo double click
dblclick Undo
show Undo
expect "Current Player" "Play Number" 4
wait 1999
expect "Current Player" "Play Number" 4
echo two seconds after the double click
wait 1
expect "Current Player" "Play Number" 3
wait 2000
expect "Current Player" "Play Number" 2
echo a click stops the replay and takes nothing back
click Undo
show Undo
expect "Current Player" "Play Number" 2
wait 6000
expect "Current Player" "Play Number" 2
expect-file Moves/2 absent
expect-file Moves/1 present
echo double click again: play 1 at once, then a new game, which ends the replay
dblclick Undo
expect "Current Player" "Play Number" 1
show Undo
wait 2000
expect "Current Player" "Play Number" 0
expect "Current Player" Player 0
expect-file Moves/5 absent
show Undo
echo nothing more happens
wait 6000
