# Light has a stone on the bar and Dark holds all six entry points: the roll passes the turn.
start
roll 3 5
click LightDie 1
expect "Current Player" Player 2
expect "Current Player" Moves 0
expect "Current Player" "Play Number" 5
expect Dice 1 0
expect Dice 2 0
show LightDie 1
show LightDie 2
show DarkDie 2
