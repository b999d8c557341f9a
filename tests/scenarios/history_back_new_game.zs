# Below play 2 there is nothing earlier to go back to: BACK starts a new game.
#! --seed 5
start
echo the opening goes to Light (4 against 3), which makes one of its two moves
click LightDie 2
click DarkDie 2
drag 2 20
expect "Current Player" "Play Number" 1
expect-file Moves/1 present
click Undo
echo a new game: the opening position, no snapshot left
expect "Current Player" Player 0
expect "Current Player" "Play Number" 0
expect "Current Player" Moves 0
expect Dice 1 0
expect Dice 2 0
expect Dice 3 0
expect Dice 4 0
expect 24 2 2
expect 20 1 -1
expect-file Moves/1 absent
show Undo
show LightDie 2
show DarkDie 2
echo BACK at play 0 starts a new game again
click Undo
expect "Current Player" "Play Number" 0
expect 24 2 2
