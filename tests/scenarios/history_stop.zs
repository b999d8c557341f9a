# STOP in one-player mode: the computer gives up Light, the caption returns to BACK, and the
# next click takes a play back. The computer is switched on and stopped while Dark, played by
# the person, is to move, so nothing here depends on how the computer plays.
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
expect "Current Player" "Play Number" 4
expect "Current Player" Player 2
echo one player, Dark to move: the computer waits for Light's turn
click Players
show Players
show Undo
echo STOP
click Undo
show Players
show Demo
show Undo
expect "Current Player" "Play Number" 4
echo Dark plays its turn; Light's turn is left to a person
click DarkDie 2
drag 17 9
drag 16 9
expect "Current Player" "Play Number" 5
expect "Current Player" Player 1
wait 5000
expect Dice 1 0
expect Dice 2 0
echo the computer switched on for Light, stopped at once, and two plays taken back
click Players
show Undo
click Undo
click Undo
expect "Current Player" "Play Number" 4
click Undo
expect "Current Player" "Play Number" 3
expect "Current Player" Player 1
echo the roll the computer had scheduled for Light is not made
wait 5000
expect Dice 1 0
expect Dice 2 0
show LightDie 2
