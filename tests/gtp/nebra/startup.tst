# Start-up: before any boardsize or clear_board the protocol layer and the
# engines agree on 13x13, as if boardsize 13 had been sent.
1 genmove b
#? [[A-HJ-N]([1-9]|1[0-3])]
2 showboard
#? [\n   A B C D E F G H J K L M N\n13( [.X]){13} 13\n12( [.X]){13} 12\n11( [.X]){13} 11\n10( [.X]){13} 10\n 9( [.X]){13} 9\n 8( [.X]){13} 8\n 7( [.X]){13} 7\n 6( [.X]){13} 6\n 5( [.X]){13} 5\n 4( [.X]){13} 4\n 3( [.X]){13} 3\n 2( [.X]){13} 2\n 1( [.X]){13} 1\n   A B C D E F G H J K L M N]
4 play w O1
#? [\?invalid color or coordinate]
5 play w A14
#? [\?invalid color or coordinate]
