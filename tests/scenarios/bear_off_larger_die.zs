# Light bears off with only a 6 left: a stone may use the larger die only when no Light
# stone stands farther from home.
start
echo section 12 is one point from home but section 8 still holds a Light stone: refused
drag 2 25
expect Positions 12 1
echo section 10 is three points from home: also refused while section 8 is occupied
drag 3 25
expect Positions 10 1
echo section 8 is the farthest: the 6 bears it off
drag 1 25
expect Positions 25 13
expect Dice 2 0
expect "Current Player" Player 2
