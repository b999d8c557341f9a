# Light bears off its last stone: "Light Wins." with no tune.
start
roll 1 2
click LightDie 2
drag 1 25
expect Positions 25 15
expect Positions 12 0
click LightDie 2
