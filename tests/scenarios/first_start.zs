# The first start finds no state file and sets up a new game.
start
expect "Current Player" Player 0
expect "Current Player" "Play Number" 0
expect "Current Player" Moves 0
expect Dice 1 0
expect Dice 4 0
expect Positions 24 2
expect Positions 13 5
expect 19 5 30
echo the tune plays twice: once for the new game, once for the window
