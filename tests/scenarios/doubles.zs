# A person's turns after the opening: single-die drags, then a double played as four moves.
start
roll 1 5
click LightDie 2
roll 1 3
click DarkDie 2
echo Light plays the 3 and the 5
drag 2 21
expect Dice 1 0
expect Dice 2 5
expect "Current Player" Moves 1
show LightDie 1
drag 7 5
expect "Current Player" Player 2
expect "Current Player" Moves 0
expect "Current Player" "Play Number" 2
expect Dice 2 0
show LightDie 2
show DarkDie 2
echo Dark rolls a double six: four moves
roll 6 6
click DarkDie 1
expect Dice 3 6
expect Dice 4 6
drag 17 6
drag 16 6
expect Dice 3 6
show DarkDie 1
show DarkDie 2
drag 22 18
expect Dice 3 0
expect Dice 4 6
expect "Current Player" Moves 3
drag 21 18
expect "Current Player" Player 1
expect "Current Player" "Play Number" 3
expect Dice 4 0
expect Positions 6 2
expect Positions 18 2
expect Positions 1 3
show LightDie 2
show DarkDie 2
