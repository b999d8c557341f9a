# A double five: three stones can move, the fourth five cannot be played.
start
roll 5 5
click LightDie 2
drag 3 19
drag 2 19
expect Dice 1 5
drag 1 19
expect "Current Player" Player 2
expect "Current Player" Moves 0
expect Dice 1 0
expect Dice 2 0
expect Positions 19 3
