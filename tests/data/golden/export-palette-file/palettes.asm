PaletteData:
		dw		$7fff, $0000, $7c1f, $001f
