"""What the examples claim, checked on their small runs (test_docs.py runs
every example; this checks the picture of the deep zoom)."""
import subprocess
import sys
from pathlib import Path

import numpy as np
from PIL import Image

EXAMPLES = Path(__file__).resolve().parents[2] / "examples"


def test_the_deep_zoom_is_flat_in_float64_and_detailed_in_float128(tmp_path):
    run = subprocess.run([sys.executable, str(EXAMPLES / "mandelbrot_zoom.py"), "--small", "--output", "zoom.png"],
                         cwd=tmp_path, capture_output=True, text=True, timeout=300)
    assert run.returncode == 0, run.stderr
    pixels = np.asarray(Image.open(tmp_path / "zoom.png").convert("RGB"))
    assert pixels.shape == (48, 128, 3)
    below_labels = pixels[16:]
    float64_half, float128_half = below_labels[:, :64], below_labels[:, 64:]
    assert len(np.unique(float64_half.reshape(-1, 3), axis=0)) == 1
    assert len(np.unique(float128_half.reshape(-1, 3), axis=0)) > 100
