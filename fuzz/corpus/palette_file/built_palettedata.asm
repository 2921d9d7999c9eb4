;// PALETTE DATA
PaletteData:
						dw		$7fff, $0000, $001f, $03e0
						dw		$7c00, $0c41, $021f, $8000

