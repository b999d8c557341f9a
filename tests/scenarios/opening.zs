# The opening roll: each side rolls its die 2; the higher starts with both values.
start
roll 2 5
click LightDie 2
roll 1 3
click DarkDie 2
expect "Current Player" Player 1
expect "Current Player" "Play Number" 1
expect "Current Player" Moves 0
expect Dice 1 3
expect Dice 2 5
expect Dice 3 0
expect Dice 4 0
expect-file Moves/1 present
show LightDie 1
show LightDie 2
show DarkDie 1
show DarkDie 2
echo a roll is refused while dice remain
click LightDie 1
expect Dice 1 3

echo Dark wins the opening
click Reset
roll 6 2
click LightDie 2
roll 6 6
click DarkDie 2
expect "Current Player" Player 2
expect Dice 1 0
expect Dice 2 0
expect Dice 3 2
expect Dice 4 6
show DarkDie 1
show DarkDie 2
show LightDie 2

echo a tie: both sides roll again
click Reset
roll 1 4
click LightDie 2
roll 3 4
click DarkDie 2
expect "Current Player" Player 0
expect "Current Player" "Play Number" 0
expect Dice 2 0
expect Dice 4 0
show LightDie 2
show DarkDie 2

echo Light rolls twice before Dark: only the last value counts
roll 1 6
click LightDie 2
roll 1 1
click LightDie 2
roll 1 2
click DarkDie 2
expect "Current Player" Player 2
expect Dice 3 1
expect Dice 4 2
expect-file Moves/1 present
