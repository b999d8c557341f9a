# Light on the bar rolls 6 and 1: the 6 enters on Dark's blot (section 19) and hits it;
# section 24 is held, so the 1 must be played by another stone.
start
roll 6 1
click LightDie 2
expect "Current Player" Player 1
echo the bar stone must move first
drag 15 9
expect Positions 8 4
drag 1 24
expect Bar 1 1
drag 1 19
expect Bar 1 16
expect Positions 19 1
expect 19 1 1
expect Dice 1 0
expect Dice 2 1
show Stone 16
echo Dark now has a stone on the bar
drag 15 9
expect Positions 9 1
expect "Current Player" Player 2
roll 2 3
click DarkDie 2
drag 30 7
expect Positions 12 4
drag 16 11
expect Positions 11 1
expect Bar 1 -1
drag 30 9
expect Bar 1 15
expect Positions 9 1
expect 9 1 30
expect "Current Player" Player 1
