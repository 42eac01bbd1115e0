#!/usr/bin/env bash
# Writes sample images with ImageMagick into DIR for the image readers' differential unit test:
# every TGA and BMP variant the readers accept, at several widths, each with ImageMagick's own
# decoding as raw RGBA (top row first), plus variants the readers refuse. The list of samples goes
# to DIR/manifest.txt, one "name expectation" per line; without ImageMagick no manifest is written
# and the test fails.
set -u
DIR=$1
rm -rf "$DIR"
mkdir -p "$DIR"
command -v convert >/dev/null || { echo "texture_samples: ImageMagick's convert is missing" >&2; exit 0; }
LIST=$DIR/manifest.part
: >"$LIST"

# Makes DIR/$1 by running convert with the remaining arguments followed by the output "$2:DIR/$1",
# and records it as accepted ($3 = accept) or refused ($3 = refuse); accepted samples also get
# ImageMagick's decoding, turned upright by the orientation the file declares.
sample() {
  local name=$1 format=$2 expect=$3
  shift 3
  convert "$@" "$format:$DIR/$name" || return
  if [[ $expect == accept ]]; then
    convert "$DIR/$name" -auto-orient rgba:"$DIR/$name.rgba" || return
  fi
  echo "$name $expect" >>"$LIST"
}

# A many-coloured picture of the given size, opaque or with an alpha ramp.
opaque() { echo "rose: -crop $1+0+0 +repage"; }
translucent() { echo "rose: -crop $1+0+0 +repage -alpha set -channel A -fx 0.2+0.8*i/w +channel"; }

for size in 37x19 1x1 5x3 64x8 69x2; do
  # shellcheck disable=SC2046
  {
    sample "t2_24_$size.tga" TGA accept $(opaque "$size") -type TrueColor -compress None
    sample "t2_32_$size.tga" TGA accept $(translucent "$size") -type TrueColorAlpha -compress None
    sample "t10_24_$size.tga" TGA accept $(opaque "$size") -type TrueColor -compress RLE
    sample "t10_32_$size.tga" TGA accept $(translucent "$size") -type TrueColorAlpha -compress RLE
    sample "b24_$size.bmp" BMP3 accept $(opaque "$size") -type TrueColor
    sample "b24_v5_$size.bmp" BMP accept $(opaque "$size") -type TrueColor
  }
done
# Eight-bit bitmaps need more than 16 colours; newer headers move the palette and the pixels.
for size in 37x19 69x3 5x9 70x46; do
  # shellcheck disable=SC2046
  {
    sample "b8_$size.bmp" BMP3 accept $(opaque "$size") -colors 200 -type palette -compress None
    sample "b8_v5_$size.bmp" BMP accept $(opaque "$size") -colors 200 -type palette -compress None
  }
done
# Flat areas give long runs in the RLE files.
sample t10_24_flat.tga TGA accept -size 300x7 xc:orange -fill navy -draw "rectangle 10,1 200,5" -type TrueColor -compress RLE
sample t10_32_flat.tga TGA accept -size 300x7 xc:none -fill "rgba(0,128,0,0.5)" -draw "rectangle 10,1 200,5" -type TrueColorAlpha -compress RLE

# shellcheck disable=SC2046
{
  sample t1_palette.tga TGA refuse $(opaque 37x19) -colors 16 -type palette
  sample t3_grey.tga TGA refuse $(opaque 37x19) -type Grayscale
  sample b4.bmp BMP3 refuse $(opaque 37x19) -colors 8 -type palette
  sample b1.bmp BMP3 refuse $(opaque 37x19) -monochrome
  sample b32.bmp BMP refuse $(translucent 37x19) -type TrueColorAlpha
}
mv "$LIST" "$DIR/manifest.txt"
