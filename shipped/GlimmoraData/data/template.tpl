<!DOCTYPE html>
<html>
<head>
<meta charset="utf-8">
<title>[TITLE]</title>
<style>
html { background: #D6DFF7; }
body { margin: 0; min-height: 100vh; display: flex; align-items: center; justify-content: center;
       background: linear-gradient(180deg, #E6ECFB 0%, #D6DFF7 60%) fixed;
       font-family: "DejaVu Sans", "Noto Sans", sans-serif; color: #3A4F86; }
.empty { text-align: center; max-width: 30em; padding: 24px; overflow-wrap: anywhere; }
.empty img { display: block; margin: 0 auto 12px auto; }
h1 { font-size: 17px; font-weight: normal; margin: 0 0 8px 0; }
.text { font-size: 13px; margin: 0; }
.bottom { font-size: 11px; color: #6B7BA6; margin-top: 18px; }
</style>
</head>
<body>
<div class="empty">
<img src="file://[DATADIR]empty.png" width="128" height="112" alt="">
<h1>[TITLE]</h1>
<p class="text">[TEXT]</p>
<p class="bottom">[BOTTOMTEXT]</p>
</div>
</body>
</html>
