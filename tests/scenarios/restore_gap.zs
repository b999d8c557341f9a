# A state file written in the middle of Light's turn, with a gap at level 2 of section 5
# and a stone on the bar: the game resumes exactly, the gap closed up.
start
expect "Current Player" Player 1
expect "Current Player" Moves 1
expect "Current Player" "Play Number" 3
expect Dice 1 5
expect Positions 5 3
expect 5 2 9
expect 5 3 10
expect 5 4 -1
expect "Stack Number" 10 3
expect Bar 1 30
echo Light's die 1 shows five; Dark's dice are hidden
show
