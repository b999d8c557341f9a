# After the 6 of a 6-5 roll the 5 cannot be played: the turn passes at once.
start
roll 6 5
click LightDie 2
expect "Current Player" Player 1
drag 1 18
expect "Current Player" Player 2
expect "Current Player" Moves 0
expect "Current Player" "Play Number" 7
expect Dice 1 0
expect Dice 2 0
show DarkDie 2
