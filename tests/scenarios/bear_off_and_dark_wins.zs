# Dark bears off with a larger die, then with the exact one, and wins with the tune.
start
roll 6 5
click DarkDie 2
expect Dice 3 6
expect Dice 4 5
echo section 23 is two points from home: the 6 is spent, as the larger die
drag 17 26
expect Positions 26 13
expect Dice 3 0
expect Dice 4 5
drag 16 26
expect "Current Player" Player 1
roll 1 2
click LightDie 2
drag 15 9
drag 8 9
roll 3 4
click DarkDie 2
drag 18 26
expect Positions 26 15
expect "Current Player" Player 2
echo the game is over: no roll, no drag
click LightDie 2
click DarkDie 2
drag 7 9
expect Positions 7 7
