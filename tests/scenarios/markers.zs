# With markers on, hovering a stone marks where its dice can take it, and only a marked
# stone may be dragged.
start
click Marker
roll 1 5
click LightDie 2
roll 1 3
click DarkDie 2
echo stone 2 on section 24: the 3 reaches section 21; the 5 would land on Dark's five
hover 2
show Display 21
show Display 19
echo stone 7 was not hovered: its drag is refused
drag 7 5
expect Positions 13 5
hover 7
show Display 3
show Display 5
drag 7 5
expect Positions 5 4
echo the drop hid the markers; a Dark stone shows none
show Display 5
hover 16
show Display 9
show Display 11
click Marker
drag 2 21
expect Positions 21 1
