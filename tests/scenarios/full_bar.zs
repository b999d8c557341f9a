# Fourteen Light stones wait on the bar when Dark hits the fifteenth: it takes the last of
# the fifteen slots, and every stone stays in exactly one place.
start
roll 6 2
click DarkDie 2
drag 17 23
expect Bar 15 1
expect Positions 23 1
expect 23 1 17
drag 16 19
expect "Current Player" Player 1
echo Light must enter first: the entry frees its slot, so the bar never needs a sixteenth
roll 3 4
click LightDie 2
drag 1 22
expect Bar 15 -1
drag 15 21
expect Bar 14 -1
expect "Current Player" Player 2
